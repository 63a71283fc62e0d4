// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/SecretStore.h"

#include <QString>

namespace kav::platform {

// The desktop's keychain through QtKeychain (the Secret Service or KWallet on Linux).
// Never falls back to a plain file: without a keychain (no desktop session, no D-Bus)
// every call reports Status::Unavailable. Each call waits for its answer in a local event
// loop, so a window stays responsive while the keychain asks the user to unlock it.
class KeychainSecretStore final : public SecretStore {
public:
    explicit KeychainSecretStore(QString service = QStringLiteral("Velmor Klickwerk"));

    ReadResult read(const std::string& key) override;
    Status write(const std::string& key, const std::string& secret) override;

private:
    QString service_;
};

} // namespace kav::platform
