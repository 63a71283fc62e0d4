// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ServiceAddresses.h"

#include <filesystem>
#include <string>

namespace kav {

class HttpClient;

// The maker's script server as the settings name it, and the way there.
struct ScriptServer {
    std::string address;   // scheme://host[:port], "/scripts/" is appended; empty: no check
    std::string proxyHost; // empty: no proxy
    int proxyPort = 80;
};

// Opened in the browser when the user wants to install Klickwerk.
inline constexpr const char* kKlickwerkInstaller =
    "https://www.velmor.example/dateien/klickstartp.exe";
// A template larger than this is not taken from the server.
inline constexpr std::size_t kMaxScriptDownloadBytes = std::size_t{1} << 20;

// "<address>/scripts/<file name>.txt": template X.vks is fetched as /scripts/X.vks.txt.
// The file name is percent-encoded, so no name can reach another path or add a query.
std::string scriptUpdateUrl(const std::string& address, const std::string& templatePath);

enum class ScriptUpdateResult {
    Replaced,  // the server's copy was newer and replaced the local template
    Unchanged, // local template as new as the server's, or missing, or the answer unusable
    Failed,    // no answer: no connection, an error status, a time-out, too large
};

// The script update check when the dialog's OK is pressed: downloads the server's copy of
// the template and, when the local template exists, lies inside the program folder and
// is older than the response's Last-Modified time, replaces it with the downloaded bytes.
// A missing local file is not created; a response without Last-Modified or with an empty
// body changes nothing. Never throws: every failure is silent.
ScriptUpdateResult updateClickScriptTemplate(HttpClient& http, const ScriptServer& server,
                                             const std::string& templatePath,
                                             const std::filesystem::path& programFolder);

// Whether `path` (which must exist) lies inside `folder`, after symbolic links are resolved.
bool liesInside(const std::filesystem::path& path, const std::filesystem::path& folder);

} // namespace kav
