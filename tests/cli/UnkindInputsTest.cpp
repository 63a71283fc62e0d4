// SPDX-License-Identifier: GPL-3.0-or-later
// What a second trial of the tool in an unkind environment found: devices, FIFOs and
// folders where files belong, a service that answers every request with an error, and
// service texts that could steer the terminal.
#include "CliRunner.h"
#include "DrawService.h"
#include "base/DayCount.h"
#include "draws/DrawFile.h"

#include <QJsonArray>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace kav::test {
namespace {

namespace fs = std::filesystem;

bool isCharacterDevice(const char* path) {
    struct stat info {};
    return ::stat(path, &info) == 0 && S_ISCHR(info.st_mode);
}

std::unique_ptr<drawservice::DrawService> service(drawservice::ServiceOptions options) {
    options.port = 0;
    options.today = [] { return dayCountFromCivil({2005, 2, 27}); };
    auto s = std::make_unique<drawservice::DrawService>(drawservice::DrawHistory::demo(), options);
    s->start();
    return s;
}

// Writing to /dev/null or /dev/full once replaced the device with a plain file and said
// nothing; a folder in the place of the file is refused.
TEST(CliUnkindFiles, ADeviceIsWrittenToAndAFolderRefused) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);
    EXPECT_EQ(cli.run({"export", "/dev/null"}).exitCode, 0);
    const CliResult full = cli.run({"--set", "Edit1=45", "save-sheet", "/dev/full"});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_NE(full.err.find("/dev/full"), std::string::npos) << full.err;
    EXPECT_TRUE(isCharacterDevice("/dev/null"));
    EXPECT_TRUE(isCharacterDevice("/dev/full"));

    fs::create_directory(cli.dataDir() / "Ordner.csv");
    const CliResult folder = cli.run({"export", (cli.dataDir() / "Ordner.csv").string()});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_NE(folder.err.find("Es wurde nichts geschrieben"), std::string::npos) << folder.err;
}

// `import /dev/zero` once read until memory ran out, `--sheet /dev/zero` never ended, a
// folder was imported as "0 added" with success, and a FIFO as settings store hung.
TEST(CliUnkindFiles, AnInputThatIsNoFileIsRefusedAtOnce) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);
    const fs::path fifo = cli.dataDir() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& input :
         {std::string("/dev/zero"), cli.dataDir().string(), fifo.string()}) {
        SCOPED_TRACE(input);
        const CliResult imported = cli.run({"--json", "import", input});
        EXPECT_EQ(imported.exitCode, 2);
        EXPECT_NE(imported.err.find(input), std::string::npos) << imported.err;
        const CliResult sheet = cli.run({"--sheet", input, "evaluate"});
        EXPECT_EQ(sheet.exitCode, 2);
        EXPECT_NE(sheet.err.find("--sheet: "), std::string::npos) << sheet.err;
    }
    EXPECT_EQ(DrawFile(cli.dataDir()).readAll().size(), 1u);

    const CliResult settings = cli.run({"--settings", fifo.string(), "draws"}, false);
    EXPECT_EQ(settings.exitCode, 0) << settings.err;
    EXPECT_NE(settings.err.find(fifo.string()), std::string::npos) << settings.err;
    EXPECT_NE(settings.err.find("Es gelten die Standardeinstellungen"), std::string::npos);
}

// A tip file is a few hundred bytes; a large file in its place is refused, naming the limit,
// and so is a file that holds no tip rows.
TEST(CliUnkindFiles, ATipFileThatIsTooLargeOrNoTipFileIsRefused) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);
    const fs::path big = cli.dataDir() / "gross.hlt";
    std::ofstream{big}.close();
    fs::resize_file(big, 1 << 20);
    const CliResult r = cli.run({"--sheet", big.string(), "evaluate"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("64 KiB"), std::string::npos) << r.err;

    const fs::path notes = cli.dataDir() / "notizen.hlt";
    std::ofstream(notes, std::ios::binary) << "hello world\r\n1,2,3\r\n";
    const CliResult text = cli.run({"--sheet", notes.string(), "evaluate"});
    EXPECT_EQ(text.exitCode, 2);
    EXPECT_NE(text.err.find("--sheet: " + notes.string() + " ist keine Tippdatei"),
              std::string::npos)
        << text.err;
}

// Every request answered with HTTP 500 once gave {"added":0,"message":null} and exit 0.
TEST(CliUnkindService, ErrorStatusesInARowAreAFailureThatSaysSo) {
    drawservice::ServiceOptions options;
    options.status = 500;
    const auto s = service(options);
    CliRunner cli;
    const CliResult r = cli.run({"--today", "27.02.2005", "--json", "update", "--host", s->url()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.json()["requested"].toArray().size(), 3);
    EXPECT_NE(r.err.find("500"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(s->url()), std::string::npos) << r.err;
}

// A "Mitteilung" holding ESC, BEL or NUL went raw to the terminal.
TEST(CliUnkindService, ControlCharactersOfAServiceTextAreShownEscaped) {
    drawservice::ServiceOptions options;
    options.message = std::string("\x1b]0;weg\a Neu\0!", 14);
    const auto s = service(options);
    CliRunner cli;
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);
    const CliResult human = cli.run({"--today", "27.02.2005", "update", "--host", s->url()});
    EXPECT_EQ(human.exitCode, 0) << human.err;
    EXPECT_NE(human.out.find("\\x1b]0;weg\\x07 Neu\\x00!"), std::string::npos) << human.out;
    for (const char control : {'\x1b', '\a', '\0'})
        EXPECT_EQ(human.out.find(control), std::string::npos);

    const CliResult json =
        cli.run({"--today", "27.02.2005", "--json", "update", "--host", s->url()});
    EXPECT_EQ(json.json()["message"].toString().toStdString(),
              "Mitteilung\r\n" + *options.message + "\r\n");
}

} // namespace
} // namespace kav::test
