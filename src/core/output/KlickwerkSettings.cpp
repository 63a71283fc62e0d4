// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/KlickwerkSettings.h"

#include "base/AtomicFile.h"
#include "base/SecretStore.h"
#include "base/SettingsValues.h"

namespace kav {

namespace {

std::string textValue(const SettingsValues& values, const std::string& name) {
    const auto it = values.find(name);
    if (it == values.end() || it->second.type != SettingValue::Type::Text)
        return {};
    return it->second.text;
}

} // namespace

KlickwerkSettings::KlickwerkSettings(std::filesystem::path storeFile, SecretStore& secrets)
    : storeFile_(std::move(storeFile)), secrets_(secrets) {}

void KlickwerkSettings::standIn(const std::string& name, std::string value) {
    standIns_[name] = std::move(value);
}

std::string KlickwerkSettings::read(const std::string& name) {
    if (const auto it = standIns_.find(name); it != standIns_.end())
        return it->second;
    if (name != klickwerk::Text2)
        return readFromFile(name);
    if (sessionPassword_)
        return *sessionPassword_;
    const SecretStore::ReadResult secret = secrets_.read(name);
    if (secret.status == SecretStore::Status::Ok)
        return secret.secret;
    // A password an earlier version kept in the file is still found; the next write
    // moves it out of there.
    return readFromFile(name);
}

void KlickwerkSettings::write(const std::map<std::string, std::string>& values) {
    SettingsValues stored = readSettingsFile(storeFile_);
    for (const auto& [name, value] : values) {
        if (name != klickwerk::Text2)
            stored[name] = SettingValue::ofText(value);
        else if (keepPassword(value))
            stored.erase(name);
    }
    std::error_code ec;
    if (storeFile_.has_parent_path())
        std::filesystem::create_directories(storeFile_.parent_path(), ec);
    writeFileAtomically(storeFile_, formatSettingsFile(stored), FileAccess::OwnerOnly);
}

bool KlickwerkSettings::keepPassword(const std::string& value) {
    if (secrets_.write(klickwerk::Text2, value) == SecretStore::Status::Ok) {
        sessionPassword_.reset();
    } else {
        sessionPassword_ = value;
        if (!value.empty() && !noticeGiven_)
            noticeDue_ = true;
    }
    return !readFromFile(klickwerk::Text2).empty();
}

bool KlickwerkSettings::takeSessionOnlyNotice() {
    if (!noticeDue_)
        return false;
    noticeDue_ = false;
    noticeGiven_ = true;
    return true;
}

std::string klickwerkStoreText(const std::string& storeText, const std::string& name) {
    return textValue(parseSettingsFile(storeText), name);
}

std::string KlickwerkSettings::readFromFile(const std::string& name) const {
    return textValue(readSettingsFile(storeFile_), name);
}

} // namespace kav
