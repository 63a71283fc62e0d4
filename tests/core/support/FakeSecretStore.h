// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/SecretStore.h"

#include <map>
#include <string>

namespace kav::test {

// A secret store in memory; `available` false plays a desktop without one.
class FakeSecretStore : public SecretStore {
public:
    explicit FakeSecretStore(bool isAvailable = true) : available(isAvailable) {}

    ReadResult read(const std::string& key) override {
        ++reads;
        if (!available)
            return {Status::Unavailable, {}};
        const auto it = secrets.find(key);
        if (it == secrets.end())
            return {Status::NotFound, {}};
        return {Status::Ok, it->second};
    }
    Status write(const std::string& key, const std::string& secret) override {
        if (!available)
            return Status::Unavailable;
        if (secret.empty())
            secrets.erase(key);
        else
            secrets[key] = secret;
        return Status::Ok;
    }

    bool available;
    std::map<std::string, std::string> secrets;
    int reads = 0;
};

} // namespace kav::test
