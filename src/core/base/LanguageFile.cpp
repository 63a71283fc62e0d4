// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/LanguageFile.h"

#include "base/InputFile.h"
#include "base/IntegerText.h"
#include "base/IoError.h"
#include "base/TextLines.h"
#include "base/Utf8.h"
#include "base/Windows1252.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kav {
namespace {

std::string fromUtf16(std::string_view bytes, bool bigEndian) {
    const auto unit = [&](std::size_t i) -> char16_t {
        const auto b0 = static_cast<std::uint8_t>(bytes[i]);
        const auto b1 = static_cast<std::uint8_t>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? (b0 << 8) | b1 : (b1 << 8) | b0);
    };
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    for (std::size_t u = 0; u < units; ++u) {
        const char16_t first = unit(2 * u);
        if (first >= 0xD800 && first <= 0xDBFF && u + 1 < units) {
            const char16_t second = unit(2 * (u + 1));
            if (second >= 0xDC00 && second <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((char32_t{first} - 0xD800) << 10) +
                                    (char32_t{second} - 0xDC00));
                ++u;
                continue;
            }
        }
        const bool loneSurrogate = first >= 0xD800 && first <= 0xDFFF;
        appendUtf8(out, loneSurrogate ? U'\uFFFD' : char32_t{first});
    }
    if (bytes.size() % 2 != 0) // half a code unit at the end
        appendUtf8(out, U'\uFFFD');
    return out;
}

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

void appendLine(std::string& out, const std::string& line) {
    if (line.find_first_of("\r\n") != std::string::npos)
        throw std::invalid_argument("a language file line cannot hold a line break: " + line);
    out += line;
    out += "\r\n";
}

} // namespace

std::vector<std::string> decodeLanguageText(std::string_view bytes) {
    std::string text;
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        text = validUtf8(bytes.substr(3));
    else if (startsWith(bytes, "\xFF\xFE"))
        text = fromUtf16(bytes.substr(2), false);
    else if (startsWith(bytes, "\xFE\xFF"))
        text = fromUtf16(bytes.substr(2), true);
    else
        text = fromWindows1252(bytes);
    std::vector<std::string> lines;
    for (const std::string_view line : textLines(text))
        lines.emplace_back(line);
    return lines;
}

std::optional<std::vector<std::string>> readLanguageFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec)
        return std::nullopt;
    return decodeLanguageText(readInputFile(path, inputLimit::kLanguageFile));
}

std::string trimmedName(std::string_view line) {
    const auto blankOrControl = [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b <= 0x20 || b == 0x7F;
    };
    while (!line.empty() && blankOrControl(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && blankOrControl(line.back()))
        line.remove_suffix(1);
    return std::string(line);
}

std::string formatBaseFile(const std::vector<BaseFileEntry>& entries) {
    std::string out = "\xEF\xBB\xBF";
    for (const BaseFileEntry& e : entries) {
        appendLine(out, e.window);
        appendLine(out, e.control);
        appendLine(out, e.caption);
        appendLine(out, e.hint);
        appendLine(out, std::to_string(e.charset));
    }
    return out;
}

std::optional<int> charsetNumber(std::string_view line) {
    return parseInteger(trimmedName(line));
}

} // namespace kav
