// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/ScriptUpdate.h"

#include "base/AtomicFile.h"
#include "base/HttpClient.h"

#include <algorithm>
#include <cctype>
#include <chrono>

namespace kav {
namespace {

std::string percentEncoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (std::isalnum(b) || c == '-' || c == '.' || c == '_' || c == '~') {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0xF];
        }
    }
    return out;
}

std::string fileNamePart(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::int64_t modifiedSeconds(const std::filesystem::path& file, std::error_code& ec) {
    const auto written = std::filesystem::last_write_time(file, ec);
    const auto system = std::chrono::file_clock::to_sys(written);
    return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

} // namespace

std::string scriptUpdateUrl(const std::string& address, const std::string& templatePath) {
    std::string base = address;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    return base + "/scripts/" + percentEncoded(fileNamePart(templatePath)) + ".txt";
}

bool liesInside(const std::filesystem::path& path, const std::filesystem::path& folder) {
    std::error_code ec;
    const auto file = std::filesystem::canonical(path, ec);
    if (ec)
        return false;
    const auto root = std::filesystem::weakly_canonical(folder, ec);
    if (ec)
        return false;
    const auto [rootEnd, fileEnd] =
        std::mismatch(root.begin(), root.end(), file.begin(), file.end());
    // A trailing separator of the folder leaves one empty element unmatched.
    return (rootEnd == root.end() || (std::next(rootEnd) == root.end() && rootEnd->empty())) &&
           fileEnd != file.end();
}

ScriptUpdateResult updateClickScriptTemplate(HttpClient& http, const ScriptServer& server,
                                             const std::string& templatePath,
                                             const std::filesystem::path& programFolder) {
    if (server.address.empty() || fileNamePart(templatePath).empty())
        return ScriptUpdateResult::Unchanged;
    HttpRequest request;
    request.url = scriptUpdateUrl(server.address, templatePath);
    request.headers = {{"Accept", "text/html, */*"},
                       {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"}};
    request.proxyHost = server.proxyHost;
    request.proxyPort = server.proxyPort;
    request.maxBodyBytes = kMaxScriptDownloadBytes;
    const HttpResponse response = http.get(request);
    if (response.failed() || response.statusCode < 200 || response.statusCode > 299)
        return ScriptUpdateResult::Failed;
    if (!response.lastModified || response.body.empty())
        return ScriptUpdateResult::Unchanged;

    const std::filesystem::path local(templatePath);
    std::error_code ec;
    if (!std::filesystem::exists(local, ec) || std::filesystem::is_directory(local, ec))
        return ScriptUpdateResult::Unchanged;
    // Whatever the combo holds, the check writes nowhere but into the program folder.
    if (!liesInside(local, programFolder))
        return ScriptUpdateResult::Unchanged;
    const std::int64_t localModified = modifiedSeconds(local, ec);
    if (ec || localModified >= *response.lastModified)
        return ScriptUpdateResult::Unchanged;
    const std::filesystem::path target = std::filesystem::canonical(local, ec);
    if (ec)
        return ScriptUpdateResult::Failed;
    try {
        writeFileAtomically(target, response.body);
    } catch (const std::exception&) {
        return ScriptUpdateResult::Failed;
    }
    return ScriptUpdateResult::Replaced;
}

} // namespace kav
