// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/SettingsValues.h"

#include "base/AtomicFile.h"
#include "base/InputFile.h"
#include "base/IoError.h"

#include <bit>
#include <charconv>
#include <fstream>
#include <sstream>

namespace kav {
namespace {

std::string escapeText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string unescapeText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char n = text[++i];
            out += n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> parseHex(std::string_view text) {
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        unsigned value = 0;
        const auto [ptr, ec] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
        if (ec != std::errc{} || ptr != text.data() + i + 2)
            return std::nullopt;
        out.push_back(static_cast<std::uint8_t>(value));
    }
    return out;
}

} // namespace

SettingValue SettingValue::ofInteger(std::int32_t v) {
    SettingValue s;
    s.integer = v;
    return s;
}

SettingValue SettingValue::ofText(std::string v) {
    SettingValue s;
    s.type = Type::Text;
    s.text = std::move(v);
    return s;
}

SettingValue SettingValue::ofDate(double dayCount) {
    SettingValue s;
    s.type = Type::Binary;
    const auto bits = std::bit_cast<std::uint64_t>(dayCount);
    for (int i = 0; i < 8; ++i)
        s.binary.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    return s;
}

SettingsValues parseSettingsFile(const std::string& content) {
    SettingsValues values;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t eq = line.find('=');
        const std::size_t colon = line.find(':', eq == std::string::npos ? 0 : eq);
        if (eq == std::string::npos || eq == 0 || colon == std::string::npos)
            continue;
        const std::string name = line.substr(0, eq);
        const std::string type = line.substr(eq + 1, colon - eq - 1);
        const std::string_view data = std::string_view(line).substr(colon + 1);
        if (type == "dword") {
            std::int32_t v = 0;
            const auto [ptr, ec] = std::from_chars(data.data(), data.data() + data.size(), v);
            if (ec == std::errc{} && ptr == data.data() + data.size())
                values[name] = SettingValue::ofInteger(v);
        } else if (type == "sz") {
            values[name] = SettingValue::ofText(unescapeText(data));
        } else if (type == "binary") {
            if (auto bytes = parseHex(data)) {
                SettingValue s;
                s.type = SettingValue::Type::Binary;
                s.binary = std::move(*bytes);
                values[name] = std::move(s);
            }
        }
    }
    return values;
}

std::string formatSettingsFile(const SettingsValues& values) {
    std::string out = std::string(kSettingsFileHead) + "\n";
    for (const auto& [name, value] : values) {
        out += name + "=";
        switch (value.type) {
        case SettingValue::Type::Integer:
            out += "dword:" + std::to_string(value.integer);
            break;
        case SettingValue::Type::Text:
            out += "sz:" + escapeText(value.text);
            break;
        case SettingValue::Type::Binary: {
            out += "binary:";
            static constexpr char kHex[] = "0123456789ABCDEF";
            for (std::uint8_t b : value.binary) {
                out += kHex[b >> 4];
                out += kHex[b & 0xF];
            }
            break;
        }
        }
        out += "\n";
    }
    return out + kSettingsFileEnd + "\n";
}

bool isCutShortSettingsFile(const std::string& content) {
    const std::string_view head = kSettingsFileHead;
    const std::string_view text = content;
    const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    if (firstLine != head)
        // A file cut inside its first line holds a piece of the head mark.
        return !text.empty() && firstLine.size() < head.size() && firstLine == text &&
               head.starts_with(text);
    std::string_view rest = text;
    while (!rest.empty() && (rest.back() == '\n' || rest.back() == '\r'))
        rest.remove_suffix(1);
    const std::size_t lastBreak = rest.find_last_of("\r\n");
    const std::string_view lastLine =
        lastBreak == std::string_view::npos ? rest : rest.substr(lastBreak + 1);
    return lastLine != kSettingsFileEnd;
}

SettingsValues readSettingsFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec) && !ec)
        return {};
    return parseSettingsFile(readInputFile(path, inputLimit::kSettingsStore));
}

bool writeSettingsFile(const std::filesystem::path& path, const SettingsValues& values) {
    std::error_code ec;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), ec);
    try {
        writeFileAtomically(path, formatSettingsFile(values));
    } catch (const IoError&) {
        return false;
    }
    return true;
}

} // namespace kav
