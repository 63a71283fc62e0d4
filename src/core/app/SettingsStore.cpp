// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsStore.h"

#include "base/InputFile.h"
#include "model/Interaction.h"

#include <cstdio>
#include <optional>

namespace kav {
namespace {

// The store file's bytes; nullopt when it is missing or cannot be read (`exists` tells which,
// `problem` why it could not be read).
std::optional<std::string> readContent(const std::filesystem::path& path, bool& exists,
                                       std::string* problem = nullptr) {
    std::error_code ec;
    exists = std::filesystem::exists(path, ec) || ec;
    if (!exists)
        return std::nullopt;
    try {
        return readInputFile(path, inputLimit::kSettingsStore);
    } catch (const std::exception& e) {
        if (problem)
            *problem = e.what();
        return std::nullopt;
    }
}

// "Kavanto.conf.2024-06-02"
std::filesystem::path setAsideName(const std::filesystem::path& path, DayCount today, int attempt) {
    const CivilDate d = civilFromDayCount(today);
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", d.year, d.month, d.day);
    std::filesystem::path target = path;
    target += "." + std::string(date);
    if (attempt > 1)
        target += "-" + std::to_string(attempt);
    return target;
}

// Renames the damaged file to a free dated name; the name, or nullopt with `ec` set.
std::optional<std::filesystem::path> setAside(const std::filesystem::path& path, DayCount today,
                                              std::error_code& ec) {
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        const std::filesystem::path target = setAsideName(path, today, attempt);
        if (std::filesystem::exists(target, ec) || ec)
            continue;
        std::filesystem::rename(path, target, ec);
        if (!ec)
            return target;
        return std::nullopt;
    }
    ec = std::make_error_code(std::errc::file_exists);
    return std::nullopt;
}

} // namespace

bool isUnparsableSettingsFile(const std::string& content) {
    if (content.find('\0') != std::string::npos || isCutShortSettingsFile(content))
        return true;
    const bool blank = content.find_first_not_of(" \t\r\n") == std::string::npos;
    return !blank && parseSettingsFile(content).empty();
}

bool isUnparsableSettingsFile(const std::filesystem::path& path) {
    bool exists = false;
    const std::optional<std::string> content = readContent(path, exists);
    return content && isUnparsableSettingsFile(*content);
}

OpenedSettingsStore openSettingsStore(const std::filesystem::path& path, DayCount today,
                                      Interaction& ui) {
    OpenedSettingsStore store;
    bool exists = false;
    std::string problem;
    const std::optional<std::string> content = readContent(path, exists, &problem);
    if (!content) {
        // A store that is there but cannot be read is not written over either.
        store.writable = !exists;
        if (exists)
            ui.showMessage(problem + "\n\nDie Einstellungsdatei " + path.string() +
                               " ließ sich nicht lesen. Es gelten die Standardeinstellungen; "
                               "Ihre Einstellungen werden diesmal nicht gespeichert.",
                           "Einstellungen");
        return store;
    }
    if (!isUnparsableSettingsFile(*content)) {
        store.values = parseSettingsFile(*content);
        return store;
    }
    std::error_code ec;
    if (const auto target = setAside(path, today, ec)) {
        ui.showMessage("Die Einstellungsdatei " + path.string() +
                           " ließ sich nicht lesen und wurde als " + target->string() +
                           " beiseitegelegt. Es gelten die Standardeinstellungen.",
                       "Einstellungen");
        return store;
    }
    store.writable = false;
    ui.showMessage("Die Einstellungsdatei " + path.string() +
                       " ließ sich weder lesen noch beiseitelegen (" + ec.message() +
                       "). Es gelten die Standardeinstellungen; die Datei bleibt, wie sie ist, "
                       "und Ihre Einstellungen werden diesmal nicht gespeichert.",
                   "Einstellungen");
    return store;
}

bool saveSettingsStore(const std::filesystem::path& path, const SettingsValues& saved,
                       DayCount today) {
    SettingsValues values;
    bool exists = false;
    const std::optional<std::string> content = readContent(path, exists);
    if (exists && !content)
        return false;
    if (content) {
        if (isUnparsableSettingsFile(*content)) {
            std::error_code ec;
            if (!setAside(path, today, ec))
                return false;
        } else {
            values = parseSettingsFile(*content);
        }
    }
    for (const auto& [name, value] : saved)
        values[name] = value;
    return writeSettingsFile(path, values);
}

} // namespace kav
