// SPDX-License-Identifier: GPL-3.0-or-later
// The script update check's decisions; the transfer itself is tested against a real
// server in the platform tests.
#include "output/ScriptUpdate.h"

#include "support/FakeHttpClient.h"
#include "support/WorkspaceFixture.h"

#include <chrono>

namespace kav::test {
namespace {

std::int64_t secondsAgo(int seconds) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(now).count() - seconds;
}

void setModified(const std::filesystem::path& file, std::int64_t seconds) {
    const std::chrono::sys_seconds when{std::chrono::seconds(seconds)};
    std::filesystem::last_write_time(
        file, std::chrono::file_clock::from_sys(
                  std::chrono::time_point_cast<std::chrono::file_clock::duration>(
                      std::chrono::system_clock::time_point(when))));
}

class ScriptUpdate : public WorkspaceTest {
protected:
    ScriptUpdate() {
        std::filesystem::create_directories(folder.path() / "Script");
        writeBytes(local, "alt");
        setModified(local, secondsAgo(7200));
        http.response = HttpResponse{};
        http.response.statusCode = 200;
        http.response.body = "neu";
        http.response.lastModified = secondsAgo(3600);
    }
    ScriptUpdateResult check(const std::filesystem::path& file) {
        return updateClickScriptTemplate(http, server, file.string(), folder.path());
    }

    std::filesystem::path local = folder.path() / "Script" / "Beispiel.vks";
    ScriptServer server{"http://127.0.0.1:9/", "proxy", 3128};
    FakeHttpClient http;
};

TEST_F(ScriptUpdate, ANewerServerCopyReplacesTheTemplateAnOlderOneDoesNot) {
    EXPECT_EQ(check(local), ScriptUpdateResult::Replaced);
    EXPECT_EQ(readBytes(local), "neu");
    ASSERT_EQ(http.requests.size(), 1u);
    EXPECT_EQ(http.requests[0].url, "http://127.0.0.1:9/scripts/Beispiel.vks.txt");
    EXPECT_EQ(http.requests[0].proxyHost, "proxy");
    EXPECT_EQ(http.requests[0].proxyPort, 3128);

    writeBytes(local, "lokal"); // now newer than the server's copy
    EXPECT_EQ(check(local), ScriptUpdateResult::Unchanged);
    EXPECT_EQ(readBytes(local), "lokal");
}

TEST_F(ScriptUpdate, UnusableAnswersChangeNothingAndStaySilent) {
    struct Case {
        const char* what;
        std::function<void(HttpResponse&)> change;
        ScriptUpdateResult result;
    };
    const Case cases[] = {
        {"no Last-Modified", [](HttpResponse& r) { r.lastModified.reset(); },
         ScriptUpdateResult::Unchanged},
        {"empty body", [](HttpResponse& r) { r.body.clear(); }, ScriptUpdateResult::Unchanged},
        {"error status", [](HttpResponse& r) { r.statusCode = 404; }, ScriptUpdateResult::Failed},
        {"no connection", [](HttpResponse& r) { r.failure = HttpResponse::Failure::Connection; },
         ScriptUpdateResult::Failed},
        {"too large", [](HttpResponse& r) { r.failure = HttpResponse::Failure::TooLarge; },
         ScriptUpdateResult::Failed},
    };
    const HttpResponse good = http.response;
    for (const Case& c : cases) {
        http.response = good;
        c.change(http.response);
        EXPECT_EQ(check(local), c.result) << c.what;
        EXPECT_EQ(readBytes(local), "alt") << c.what;
    }
}

TEST_F(ScriptUpdate, OnlyAnExistingTemplateInsideTheProgramFolderIsEverWritten) {
    EXPECT_EQ(check(folder.path() / "Script" / "fehlt.vks"), ScriptUpdateResult::Unchanged);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Script" / "fehlt.vks"));

    TemporaryFolder outside;
    const auto foreign = outside.path() / "Beispiel.vks";
    writeBytes(foreign, "fremd");
    setModified(foreign, secondsAgo(7200));
    EXPECT_EQ(check(foreign), ScriptUpdateResult::Unchanged);
    EXPECT_EQ(readBytes(foreign), "fremd");

    // Nor through a link inside the program folder, nor by climbing out of it.
    std::filesystem::create_symlink(foreign, folder.path() / "Script" / "link.vks");
    EXPECT_EQ(check(folder.path() / "Script" / "link.vks"), ScriptUpdateResult::Unchanged);
    const auto climbing =
        folder.path() / "Script" / ".." / ".." / outside.path().filename() / "Beispiel.vks";
    EXPECT_EQ(check(climbing), ScriptUpdateResult::Unchanged);
    EXPECT_EQ(readBytes(foreign), "fremd");
}

TEST(ScriptUpdateUrl, TheFileNameCannotLeaveTheScriptsPath) {
    EXPECT_EQ(scriptUpdateUrl("http://h:81", "/a/b/X.vks"), "http://h:81/scripts/X.vks.txt");
    EXPECT_EQ(scriptUpdateUrl("http://h//", "Mein Tipp?.vks"),
              "http://h/scripts/Mein%20Tipp%3F.vks.txt");
    EXPECT_EQ(scriptUpdateUrl("http://h", "/x/..%2f#.vks"), "http://h/scripts/..%252f%23.vks.txt");
}

TEST_F(ScriptUpdate, NoAddressOrNoFileNameMeansNoRequest) {
    server.address.clear();
    EXPECT_EQ(check(local), ScriptUpdateResult::Unchanged);
    server.address = "http://127.0.0.1:9";
    EXPECT_EQ(updateClickScriptTemplate(http, server, "", folder.path()),
              ScriptUpdateResult::Unchanged);
    EXPECT_TRUE(http.requests.empty());
}

} // namespace
} // namespace kav::test
