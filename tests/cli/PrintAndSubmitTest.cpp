// SPDX-License-Identifier: GPL-3.0-or-later
// kavanto-cli print and submit, and the hand-off to the Klickstart stand-in end to end.
#include "CliRunner.h"
#include "base/DayCount.h"
#include "base/SettingsValues.h"
#include "draws/DrawFile.h"
#include "model/TipSheet.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QThread>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>

namespace kav::test {
namespace {

using Args = std::vector<std::string>;

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

QJsonArray strings(const Args& values) {
    QJsonArray array;
    for (const std::string& v : values)
        array.append(QString::fromStdString(v));
    return array;
}

// "--set EditN=VALUE" for the cell in `row`, `column` (0-based).
Args cell(int row, int column, const std::string& value) {
    return {"--set", "Edit" + std::to_string(TipSheet::editNumber(row, column)) + "=" + value};
}

// Rows 1 (5 12 23 34 45, key 3) and 3 (1 7 10 47 54, key 0), sorted as the evaluation at
// start-up would leave them.
Args sheetArgs() {
    Args args;
    const std::pair<int, Args> rows[] = {{0, {"5", "12", "23", "34", "45", "3"}},
                                         {2, {"1", "7", "10", "47", "54", "0"}}};
    for (const auto& [row, values] : rows)
        for (int c = 0; c < 6; ++c) {
            const Args one = cell(row, c, values[static_cast<std::size_t>(c)]);
            args.insert(args.end(), one.begin(), one.end());
        }
    return args;
}

class CliPrintAndSubmit : public ::testing::Test {
protected:
    CliPrintAndSubmit() {
        useDataDir(cli.dataDir());
        std::filesystem::create_directories(klickwerk);
        writeBytes(klickwerk / "Klickstart", "");
    }

    // Draws, the shipped template and the folders of one program folder.
    void useDataDir(const std::filesystem::path& dir) {
        dataDir = dir;
        const std::vector<DrawRecord> draws{
            DrawRecord::make(dayCountFromCivil({2024, 5, 25}), {5, 12, 30, 40, 50}, 3),
            DrawRecord::make(dayCountFromCivil({2024, 6, 1}), {1, 2, 3, 4, 54}, 0)};
        std::filesystem::create_directories(dir);
        DrawFile(dir).replace(draws);
        writeBytes(dir / "Script" / "Beispiel.vks",
                   readBytes(std::filesystem::path(KAVANTO_SOURCE_DIR) / "data" / "Script" /
                             "Beispiel.vks"));
    }

    CliResult run(const Args& args) const {
        Args full{"--data-dir", dataDir.string(), "--settings", settings.string(),
                  "--today",    "03.06.2024",     "--end",      "01.06.2024"};
        const Args sheet = sheetArgs();
        full.insert(full.end(), sheet.begin(), sheet.end());
        full.insert(full.end(), args.begin(), args.end());
        return cli.run(full);
    }
    std::string stored(const std::string& name) const {
        const SettingsValues values = readSettingsFile(settings.parent_path() / "Klickwerk.conf");
        const auto it = values.find(name);
        return it == values.end() ? "<missing>" : it->second.text;
    }
    Args submitArgs(const Args& more = {}) const {
        Args args{"--json",           "submit",          "--klickwerk",
                  klickwerk.string(), "--script-server", "http://127.0.0.1:9"};
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }

    CliRunner cli;
    std::filesystem::path dataDir;
    std::filesystem::path settings = cli.dataDir() / "config" / "Kavanto.conf";
    std::filesystem::path klickwerk = cli.dataDir() / "Klickwerk";
};

TEST_F(CliPrintAndSubmit, PrintWritesTippTxtAndPrintsItsText) {
    const std::string expected = "Velmors Lotto-Tipp für 08.06.2024\r\n" + std::string(46, '~') +
                                 "\r\n\r\n 1. Tipp:  5   12   23   34   45   Sterne:  3\r\n"
                                 " 3. Tipp:  1    7   10   47   54   Sterne:  0\r\n";
    const CliResult r = run({"--json", "print"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.json()["text"].toString().toStdString(), expected);
    EXPECT_EQ(readBytes(dataDir / "Tipp.txt"),
              "Velmors Lotto-Tipp f\xFCr" + expected.substr(23)); // Windows-1252 on disk

    const CliResult readable = run({"print"});
    EXPECT_EQ(readable.out.substr(0, 36), "Velmors Lotto-Tipp für 08.06.2024\n~");
}

TEST_F(CliPrintAndSubmit, PrintOfAnUnprintableRowFailsAndWritesNothing) {
    const CliResult r = run({cell(3, 0, "20")[0], cell(3, 0, "20")[1], "print"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("4. Tipp"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dataDir / "Tipp.txt"));
}

TEST_F(CliPrintAndSubmit, DryRunWritesTheFilesAndTellsTheCommandWithoutStartingIt) {
    const CliResult r = run(submitArgs(
        {"--dry-run", "--param", "ZAHL2=7", "--param", "TEXT1=anna", "--param", "TEXT2=geheim"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonObject json = r.json();
    const auto tipFile = dataDir / "Tipps" / "20240608.hlt";
    const auto script = dataDir / "Tipps" / "20240603.vks";
    EXPECT_EQ(json["tipfile"].toString().toStdString(), tipFile.string());
    EXPECT_EQ(json["script"].toString().toStdString(), script.string());
    EXPECT_EQ(json["command"].toArray(), strings({(klickwerk / "Klickstart").string(), "START",
                                                  script.string(), "0", "anna", "7", "geheim"}));
    EXPECT_EQ(readBytes(tipFile), "5,12,23,34,45,3\r\n1,7,10,47,54,0\r\n");
    const std::string filled = readBytes(script);
    EXPECT_NE(filled.find("TIPP 1 = 5 12 23 34 45 STERN 3\r\n"), std::string::npos);
    EXPECT_NE(filled.find("TIPP 2 =      STERN \r\n"), std::string::npos);
    EXPECT_NE(filled.find("MELDUNG Bitte \xFC"
                          "berpr\xFC"
                          "fen Sie jetzt den Tipp"),
              std::string::npos);
    EXPECT_EQ(filled.find('['), filled.find("[Zc_r]")); // only the comment's example is left

    // The dialog's fields were stored as on OK; the password not (no keychain here), and
    // the user was told.
    EXPECT_EQ(stored("KavantoScript"), (dataDir / "Script" / "Beispiel.vks").string());
    EXPECT_EQ(stored("KavantoZahl1"), "0");
    EXPECT_EQ(stored("KavantoText1"), "anna");
    EXPECT_EQ(stored("KavantoZahl2"), "7");
    EXPECT_EQ(stored("KavantoText2"), "<missing>");
    EXPECT_EQ(stored("Path"), "<missing>"); // --klickwerk stands in, it is not stored
    EXPECT_NE(r.err.find("TEXT2"), std::string::npos) << r.err;
    struct stat info {};
    ASSERT_EQ(::stat((settings.parent_path() / "Klickwerk.conf").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(CliPrintAndSubmit, WithoutKlickwerkTheInstallPromptIsAnsweredNo) {
    std::filesystem::remove(klickwerk / "Klickstart");
    const CliResult r = run(submitArgs({"--dry-run"}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Klickwerk installieren?"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dataDir / "Tipps"));
    EXPECT_EQ(stored("KavantoScript"), "<missing>");
}

// A missing template was once stored as the remembered script, and every later submit
// failed on it; nothing is written now, and the next submit works.
TEST_F(CliPrintAndSubmit, AMissingTemplateFailsAndWritesNothing) {
    const CliResult r = run(submitArgs({"--dry-run", "--template", "/nicht/da.vks"}));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(stored("KavantoScript"), "<missing>");
    EXPECT_FALSE(std::filesystem::exists(dataDir / "Tipps"));
    EXPECT_EQ(run(submitArgs({"--dry-run"})).exitCode, 0);
}

TEST_F(CliPrintAndSubmit, BadSubmitOptionsAreUsageErrors) {
    for (const Args& bad : {Args{"--param", "ZAHL3=1"}, Args{"--param", "ZAHL1"},
                            Args{"--template"}, Args{"--unbekannt"}}) {
        const CliResult r = run(submitArgs(bad));
        EXPECT_EQ(r.exitCode, 2) << bad[0] << " " << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dataDir / "Tipps"));
}

// The stand-in started as Klickwerk, through a program folder with a blank in its path:
// it receives exactly the parameter string cut at its blanks and finds the tip rows in
// the click script.
TEST_F(CliPrintAndSubmit, TheStandInReceivesExactlyTheHandOff) {
    useDataDir(cli.dataDir() / "Mein Ordner");
    // The stand-in runs detached: a wrapper keeps its standard error and its exit status,
    // so a stand-in that fails is reported at once, with what it said.
    const auto log = cli.dataDir() / "klickstart.json";
    const auto standInErrors = cli.dataDir() / "klickstart.err";
    const auto standInStatus = cli.dataDir() / "klickstart.status";
    writeBytes(klickwerk / "Klickstart", "#!/bin/sh\n'" + std::string(KAVANTO_KLICKSTART_BINARY) +
                                             "' --log '" + log.string() +
                                             "' --no-window \"$@\" 2>'" + standInErrors.string() +
                                             "'\necho $? >'" + standInStatus.string() + "'\n");
    std::filesystem::permissions(klickwerk / "Klickstart", std::filesystem::perms::owner_all);

    const CliResult r = run(submitArgs({"--param", "ZAHL1=12"}));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    QElapsedTimer waited;
    waited.start();
    while (!std::filesystem::exists(standInStatus) && waited.elapsed() < 20000)
        QThread::msleep(20);
    QThread::msleep(50); // the status line is written in one go
    ASSERT_EQ(readBytes(standInStatus), "0\n") << "the stand-in failed; its standard error:\n"
                                               << readBytes(standInErrors);
    const QJsonObject received =
        QJsonDocument::fromJson(QByteArray::fromStdString(readBytes(log))).object();
    ASSERT_FALSE(received.isEmpty()) << "no log from the stand-in";

    const auto script = dataDir / "Tipps" / "20240603.vks";
    const std::string folder = cli.dataDir().string();
    EXPECT_EQ(received["arguments"].toArray(),
              strings({"START", folder + "/Mein", "Ordner/Tipps/20240603.vks", "12", "", "0", ""}));
    EXPECT_EQ(received["script"].toString().toStdString(), script.string());
    EXPECT_EQ(received["zahl1"].toString(), "12");
    EXPECT_EQ(received["text2"].toString(), "");
    EXPECT_EQ(received["error"].toString(), "");
    const QJsonArray rows = received["rows"].toArray();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].toObject()["numbers"].toArray(), strings({"5", "12", "23", "34", "45"}));
    EXPECT_EQ(rows[1].toObject()["row"].toInt(), 3);
    EXPECT_EQ(rows[1].toObject()["key"].toString(), "0");
}

} // namespace
} // namespace kav::test
