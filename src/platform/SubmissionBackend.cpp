// SPDX-License-Identifier: GPL-3.0-or-later
#include "SubmissionBackend.h"

#include "KeychainSecretStore.h"
#include "ProgramLocations.h"

namespace kav::platform {

SubmissionBackend::SubmissionBackend(const std::filesystem::path& settingsFile,
                                     std::unique_ptr<SecretStore> secrets)
    : secrets_(secrets ? std::move(secrets) : std::make_unique<KeychainSecretStore>()),
      klickwerk_(klickwerkSettingsFile(settingsFile), *secrets_) {}

} // namespace kav::platform
