// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace kav {

// The desktop's store for secrets (a password is never kept in a plain file). The window
// and the command-line tool use the desktop's keychain; tests use a fake, so no test ever
// touches a real keyring.
class SecretStore {
public:
    enum class Status {
        Ok,
        NotFound,    // the store works but holds nothing under that key
        Unavailable, // there is no store (no desktop session), or it refused access
    };

    struct ReadResult {
        Status status = Status::NotFound;
        std::string secret; // only with Status::Ok
    };

    virtual ~SecretStore() = default;
    virtual ReadResult read(const std::string& key) = 0;
    // Ok or Unavailable. An empty secret removes the entry.
    virtual Status write(const std::string& key, const std::string& secret) = 0;
};

} // namespace kav
