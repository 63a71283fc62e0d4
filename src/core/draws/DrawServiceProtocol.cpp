// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawServiceProtocol.h"

#include "base/IntegerText.h"
#include "base/TextLines.h"

#include <algorithm>
#include <cctype>

namespace kav {
namespace {

// Blanks and control characters around a value.
std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// The text up to `separator`, which is consumed with it; nullopt when it does not occur.
std::optional<std::string_view> takeUpTo(std::string_view& rest, char separator) {
    const std::size_t at = rest.find(separator);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string_view field = rest.substr(0, at);
    rest.remove_prefix(at + 1);
    return field;
}

std::optional<int> wholeNumber(std::string_view field) {
    const std::string_view value = trimmed(field);
    if (value.empty())
        return std::nullopt;
    return parseInteger(value);
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

bool isHostCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_';
}

} // namespace

std::string drawServiceTarget(DayCount date) {
    return std::string(kDrawServicePath) + "?Programm=" + kDrawServiceProgram +
           "&Datum=" + formatCompactDate(date);
}

std::optional<DayCount> parseCompactDate(std::string_view text) {
    if (text.size() != 8 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return std::nullopt;
    // dd.mm.yyyy has the one calendar check of the program.
    return parseShortDate(std::string(text.substr(6, 2)) + "." + std::string(text.substr(4, 2)) +
                          "." + std::string(text.substr(0, 4)));
}

std::optional<std::string> normaliseServiceAddress(std::string_view text) {
    text = trimmed(text);
    std::string_view scheme;
    for (const std::string_view candidate :
         {std::string_view("http://"), std::string_view("https://")})
        if (startsWithNoCase(text, candidate))
            scheme = candidate;
    if (scheme.empty())
        return std::nullopt;
    std::string_view rest = text.substr(scheme.size());
    if (!rest.empty() && rest.back() == '/')
        rest.remove_suffix(1);

    std::string_view host = rest;
    std::string_view port;
    if (!rest.empty() && rest.front() == '[') { // an IPv6 literal
        const std::size_t close = rest.find(']');
        if (close == std::string_view::npos)
            return std::nullopt;
        host = rest.substr(0, close + 1);
        const std::string_view after = rest.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != ':')
                return std::nullopt;
            port = after.substr(1);
        }
        if (host.size() < 3 ||
            host.substr(1, host.size() - 2).find_first_not_of("0123456789abcdefABCDEF:.") !=
                std::string_view::npos)
            return std::nullopt;
    } else {
        const std::size_t colon = rest.find(':');
        if (colon != std::string_view::npos) {
            host = rest.substr(0, colon);
            port = rest.substr(colon + 1);
        }
        if (host.empty() || !std::all_of(host.begin(), host.end(), isHostCharacter))
            return std::nullopt;
    }
    if (rest.size() != host.size() && port.empty())
        return std::nullopt;
    if (!port.empty()) {
        if (port.find_first_not_of("0123456789") != std::string_view::npos || port.size() > 5)
            return std::nullopt;
        const auto number = parseInteger(port);
        if (!number || *number < 1 || *number > 65535)
            return std::nullopt;
    }
    std::string normalised;
    for (const char c : scheme)
        normalised += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    normalised += rest;
    return normalised;
}

DayCount nextRequestDate(DayCount date) {
    constexpr int kSunday = 0;
    constexpr int kSaturday = 6;
    const int weekday = weekdayOf(date);
    if (weekday == kSaturday)
        return date + 1;
    if (weekday == kSunday)
        return date + 6;
    // From a weekday, six days on would jump over the coming Sunday; a rebuild from a
    // Friday would never ask for it. The next Saturday keeps every draw day in reach.
    return date + (kSaturday - weekday);
}

std::optional<DrawLine> parseDrawLine(std::string_view line) {
    if (!takeUpTo(line, ',')) // the leading field
        return std::nullopt;
    DrawLine draw;
    for (int& number : draw.numbers) {
        const auto field = takeUpTo(line, ',');
        const auto value = field ? wholeNumber(*field) : std::nullopt;
        if (!value || *value < 1 || *value > kHighestNumber)
            return std::nullopt;
        number = *value;
    }
    const auto keyField = takeUpTo(line, ';');
    const auto key = keyField ? wholeNumber(*keyField) : std::nullopt;
    if (!key || *key < 0 || *key > kHighestKey)
        return std::nullopt;
    draw.key = *key;
    auto sorted = draw.numbers;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        return std::nullopt;
    return draw;
}

std::string drawLineText(std::string_view leadingField, const DrawRecord& record,
                         std::string_view rest) {
    std::string line(leadingField);
    for (int i = 0; i < kNumbersPerDraw; ++i)
        line += "," + std::to_string(record.number(i));
    line += "," + std::to_string(record.key()) + ";";
    line += rest;
    return line;
}

ServiceAnswer readServiceAnswer(std::string_view body) {
    ServiceAnswer answer;
    for (const std::string_view line : textLines(body)) {
        const auto draw = parseDrawLine(line);
        if (!draw) {
            answer.stoppedAtLine = true;
            answer.message = body.find("Mitteilung") != std::string_view::npos;
            break;
        }
        if (std::find(answer.draws.begin(), answer.draws.end(), *draw) == answer.draws.end())
            answer.draws.push_back(*draw);
        // Enough to tell an answer with too many draws; reading on would only cost time.
        if (answer.tooManyDraws())
            break;
    }
    return answer;
}

} // namespace kav
