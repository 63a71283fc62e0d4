// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliApp.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace kav::test {

struct CliResult {
    int exitCode = 0;
    std::string out;
    std::string err;

    QJsonObject json() const {
        return QJsonDocument::fromJson(QByteArray::fromStdString(out)).object();
    }
};

// Runs kavanto-cli in-process against its own temporary data folder.
class CliRunner {
public:
    CliRunner() { dir_.setAutoRemove(true); }

    std::filesystem::path dataDir() const { return dir_.path().toStdString(); }

    // Adds --data-dir and --defaults in front of `args`, unless `withDefaults` is false.
    CliResult run(std::vector<std::string> args, bool withDefaults = true) const {
        std::vector<std::string> full{"--data-dir", dataDir().string()};
        if (withDefaults)
            full.push_back("--defaults");
        full.insert(full.end(), args.begin(), args.end());
        std::ostringstream out, err;
        CliResult r;
        r.exitCode = cli::run(full, out, err);
        r.out = out.str();
        r.err = err.str();
        return r;
    }

private:
    QTemporaryDir dir_;
};

} // namespace kav::test
