// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRunner.h"
#include "support/ChildProcess.h"

#include <QJsonArray>
#include <QProcess>
#include <fstream>
#include <gtest/gtest.h>

namespace kav::test {

TEST(CliInitAndDraws, InitCreatesTheSeedDrawOnceAndDrawsListsIt) {
    CliRunner cli;
    const CliResult init = cli.run({"--json", "init"});
    ASSERT_EQ(init.exitCode, 0) << init.err;
    EXPECT_EQ(init.json()["draws"].toInt(), 1);
    EXPECT_EQ(std::filesystem::file_size(cli.dataDir() / "ZahlenKav.dat"), 16u);

    // A second init leaves an existing file alone.
    EXPECT_EQ(cli.run({"init"}).exitCode, 0);
    EXPECT_EQ(std::filesystem::file_size(cli.dataDir() / "ZahlenKav.dat"), 16u);

    const CliResult draws = cli.run({"--json", "draws"});
    ASSERT_EQ(draws.exitCode, 0) << draws.err;
    const QJsonArray list = draws.json()["draws"].toArray();
    ASSERT_EQ(list.size(), 1);
    const QJsonObject seed = list[0].toObject();
    EXPECT_EQ(seed["index"].toInt(), 0);
    EXPECT_EQ(seed["date"].toString(), "06.02.2005");
    EXPECT_EQ(seed["numbers"].toArray(), (QJsonArray{34, 42, 47, 48, 51}));
    EXPECT_EQ(seed["key"].toInt(), 5);
}

TEST(CliInitAndDraws, UsageErrorsExitWithTwo) {
    CliRunner cli;
    const std::vector<std::vector<std::string>> bad{
        {"frobnicate"},
        {},
        {"--end", "31.02.2024", "draws"},
        {"--set", "Chekcbox17=1", "draws"},
        {"--set", "UpDown3=x", "draws"},
        {"--lock", "13", "draws"},
        {"draws", "extra"},
    };
    for (const auto& args : bad) {
        const CliResult r = cli.run(args);
        EXPECT_EQ(r.exitCode, 2) << args.size() << " " << r.err;
        EXPECT_FALSE(r.err.empty());
    }
}

TEST(CliInitAndDraws, MissingDrawFileIsAFailureNotACrash) {
    CliRunner cli;
    const CliResult r = cli.run({"draws"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("ZahlenKav.dat"), std::string::npos);
}

TEST(CliInitAndDraws, RealBinaryAnswersHelpAndInit) {
    CliRunner cli;
    QProcess process;
    process.start(KAVANTO_CLI_BINARY, {"--data-dir", QString::fromStdString(cli.dataDir().string()),
                                       "--defaults", "--json", "init"});
    ASSERT_TRUE(finishesWithin(process, 30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(QJsonDocument::fromJson(process.readAllStandardOutput()).object()["draws"].toInt(),
              1);

    process.start(KAVANTO_CLI_BINARY, {"--help"});
    ASSERT_TRUE(finishesWithin(process, 30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("draws"));
}

// A new --data-dir folder once got none of the shipped files: no language worked, no sound
// played, and the submission found no template. Now every program folder gets them, and a
// copy the user changed stays the user's.
TEST(CliInitAndDraws, ANewProgramFolderGetsTheShippedFiles) {
    CliRunner cli;
    const auto runLanguage = [&](const char* code) {
        QProcess process;
        process.start(KAVANTO_CLI_BINARY,
                      {"--data-dir", QString::fromStdString(cli.dataDir().string()), "--defaults",
                       "--language", code, "init"});
        EXPECT_TRUE(finishesWithin(process, 30000));
        return process.exitCode();
    };
    ASSERT_EQ(runLanguage("en"), 0);
    const std::filesystem::path data = std::filesystem::path(KAVANTO_SOURCE_DIR) / "data";
    for (const char* file : {"yippee.wav", "Script/Beispiel.vks", "land/Kavanto.txt",
                             "land/Kavanto.txt.ru", "land/meldungen.txt.en"})
        EXPECT_EQ(std::filesystem::file_size(cli.dataDir() / file),
                  std::filesystem::file_size(data / file))
            << file;

    std::ofstream(cli.dataDir() / "Script" / "Beispiel.vks", std::ios::binary) << "mein Script";
    ASSERT_EQ(runLanguage("ru"), 0);
    EXPECT_EQ(std::filesystem::file_size(cli.dataDir() / "Script" / "Beispiel.vks"), 11u);
}

} // namespace kav::test
