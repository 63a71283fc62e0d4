// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtHttpClient.h"
#include "base/SecretStore.h"
#include "commands/Submission.h"
#include "output/KlickwerkSettings.h"

#include <filesystem>
#include <memory>

namespace kav::platform {

// What the online submission uses outside the core, for one run of the program:
// Klickwerk's settings store beside the program's settings file, the desktop's keychain
// behind it (or the store a test passes) and the HTTP client of the script update check.
class SubmissionBackend {
public:
    explicit SubmissionBackend(const std::filesystem::path& settingsFile,
                               std::unique_ptr<SecretStore> secrets = nullptr);
    SubmissionBackend(const SubmissionBackend&) = delete;
    SubmissionBackend& operator=(const SubmissionBackend&) = delete;

    SubmissionServices& services() { return services_; }
    KlickwerkSettings& klickwerk() { return klickwerk_; }

private:
    std::unique_ptr<SecretStore> secrets_;
    KlickwerkSettings klickwerk_;
    QtHttpClient http_;
    SubmissionServices services_{klickwerk_, http_};
};

} // namespace kav::platform
