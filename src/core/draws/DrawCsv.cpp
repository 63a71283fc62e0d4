// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawCsv.h"

#include "base/InputFile.h"
#include "base/IntegerText.h"
#include "base/IoError.h"
#include "base/TextLines.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace kav {
namespace {

constexpr std::size_t kValuesPerLine = 1 + kNumbersPerDraw + 1;

std::string_view trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

std::vector<std::string_view> splitValues(std::string_view line) {
    std::vector<std::string_view> values;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find_first_of(",;", start);
        values.push_back(trimmed(line.substr(start, end - start)));
        if (end == std::string_view::npos)
            return values;
        start = end + 1;
    }
}

// "yyyy-mm-dd" or "dd.mm.yyyy" (one-digit days and months allowed).
std::optional<DayCount> parseCsvDate(std::string_view text) {
    if (text.find('.') != std::string_view::npos)
        return parseShortDate(text);
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string_view::npos ? first : text.find('-', first + 1);
    if (first != 4 || second == std::string_view::npos)
        return std::nullopt;
    const std::string_view year = text.substr(0, first);
    const std::string_view month = text.substr(first + 1, second - first - 1);
    const std::string_view day = text.substr(second + 1);
    const auto digitsOnly = [](std::string_view part) {
        return !part.empty() && part.size() <= 2 &&
               part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (year.find_first_not_of("0123456789") != std::string_view::npos || !digitsOnly(month) ||
        !digitsOnly(day))
        return std::nullopt;
    return parseShortDate(std::string(day) + "." + std::string(month) + "." + std::string(year));
}

std::string quoted(std::string_view value) {
    return "\"" + std::string(value) + "\"";
}

std::string isoDate(DayCount day) {
    const CivilDate c = civilFromDayCount(day);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", c.year, c.month, c.day);
    return buffer;
}

// The draw of one line, or the reason it is none.
DrawRecord drawOfLine(const std::vector<std::string_view>& values, DayCount today, int lineNumber) {
    if (values.size() != kValuesPerLine)
        throw DrawCsvError(lineNumber, "7 Werte erwartet (Datum, fünf Zahlen, Nº Clave), " +
                                           std::to_string(values.size()) + " gefunden");
    const auto date = parseCsvDate(values[0]);
    if (!date)
        throw DrawCsvError(lineNumber,
                           "kein Datum (yyyy-mm-dd oder dd.mm.yyyy): " + quoted(values[0]));
    std::array<int, kNumbersPerDraw + 1> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const auto value = parseInteger(values[i + 1]);
        if (!value)
            throw DrawCsvError(lineNumber, "keine ganze Zahl: " + quoted(values[i + 1]));
        numbers[i] = *value;
    }
    // Out-of-range values are reported before they are narrowed into a record.
    for (int i = 0; i < kNumbersPerDraw; ++i)
        if (numbers[static_cast<std::size_t>(i)] < 1 ||
            numbers[static_cast<std::size_t>(i)] > kHighestNumber)
            throw DrawCsvError(lineNumber,
                               "die Zahl " + std::to_string(numbers[static_cast<std::size_t>(i)]) +
                                   " liegt nicht zwischen 1 und 54");
    if (numbers[5] < 0 || numbers[5] > kHighestKey)
        throw DrawCsvError(lineNumber, "die Nº Clave " + std::to_string(numbers[5]) +
                                           " liegt nicht zwischen 0 und 9");
    const DrawRecord record =
        DrawRecord::make(static_cast<double>(*date),
                         {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]}, numbers[5]);
    if (const auto problem = drawProblem(record, today))
        throw DrawCsvError(lineNumber, *problem);
    return record;
}

} // namespace

DrawCsvError::DrawCsvError(int lineNumber, const std::string& reason)
    : std::runtime_error("Zeile " + std::to_string(lineNumber) + ": " + reason),
      lineNumber_(lineNumber) {}

std::optional<std::string> drawProblem(const DrawRecord& record, DayCount today) {
    for (int i = 0; i < kNumbersPerDraw; ++i) {
        const int n = record.number(i);
        if (n < 1 || n > kHighestNumber)
            return "die Zahl " + std::to_string(n) + " liegt nicht zwischen 1 und 54";
        for (int j = 0; j < i; ++j)
            if (record.number(j) == n)
                return "die Zahl " + std::to_string(n) + " kommt doppelt vor";
    }
    if (record.key() > kHighestKey)
        return "die Nº Clave " + std::to_string(record.key()) + " liegt nicht zwischen 0 und 9";
    if (!std::isfinite(record.date) || record.date != std::floor(record.date))
        return std::string("das Datum ist kein ganzer Kalendertag");
    const auto day = static_cast<DayCount>(std::clamp(record.date, -1e9, 1e9));
    if (day < kMinimumPickerDate)
        return "das Datum " + formatShortDate(day) + " liegt vor dem " +
               formatShortDate(kMinimumPickerDate);
    if (day > today)
        return "das Datum " + formatShortDate(day) + " liegt in der Zukunft";
    return std::nullopt;
}

std::vector<DrawRecord> parseDrawCsv(std::string_view text, DayCount today) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    std::vector<DrawRecord> records;
    bool firstLine = true;
    int lineNumber = 0;
    for (const std::string_view line : textLines(text)) {
        ++lineNumber;
        const std::vector<std::string_view> values = splitValues(line);
        if (std::all_of(values.begin(), values.end(), [](auto v) { return v.empty(); }))
            continue;
        // A first line that does not even start with a date is a header; one that does is
        // a draw and must be a good one.
        const bool header = firstLine && !parseCsvDate(values[0]);
        firstLine = false;
        if (!header)
            records.push_back(drawOfLine(values, today, lineNumber));
    }
    return records;
}

std::vector<DrawRecord> readDrawCsvFile(const std::filesystem::path& path, DayCount today) {
    return parseDrawCsv(readInputFile(path, inputLimit::kDrawCsv), today);
}

std::string drawCsvText(std::span<const DrawRecord> records) {
    std::string text = "date,n1,n2,n3,n4,n5,key\r\n";
    text.reserve(text.size() + records.size() * 32);
    for (const DrawRecord& record : records) {
        text += isoDate(wholeDayOf(record.date));
        for (int i = 0; i < kNumbersPerDraw; ++i)
            text += "," + std::to_string(record.number(i));
        text += "," + std::to_string(record.key()) + "\r\n";
    }
    return text;
}

} // namespace kav
