// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliInteraction.h"
#include "CliRunner.h"
#include "app/Workspace.h"
#include "base/Windows1252.h"
#include "commands/Backtest.h"

#include <QJsonArray>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace kav::test {
namespace {

// Twenty Saturdays up to 25.05.2024; draw 3 (03.02.2024) comes again on 20.04.2024.
std::vector<DrawRecord> history() {
    std::vector<DrawRecord> draws;
    for (int w = 0; w < 20; ++w)
        draws.push_back(
            DrawRecord::make(dayCountFromCivil({2024, 5, 25}) - 7.0 * (19 - w),
                             {1 + w % 10, 12 + w % 9, 23 + w % 8, 34 + w % 7, 45 + w % 6}, w % 10));
    draws[14] = DrawRecord::make(draws[14].date, {4, 15, 26, 37, 48}, 9);
    return draws;
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class CliAnalyses : public ::testing::Test {
protected:
    CliAnalyses() { DrawFile(cli.dataDir()).replace(history()); }

    CliResult run(const std::string& end, std::vector<std::string> command) const {
        std::vector<std::string> args{"--json", "--today", "01.06.2024", "--end",
                                      end,      "--start", "13.01.2024"};
        args.insert(args.end(), command.begin(), command.end());
        return cli.run(args);
    }
    std::string report() const { return readBytes(cli.dataDir() / "Test.rtf"); }

    CliRunner cli;
};

TEST_F(CliAnalyses, SearchAnswersEveryQuestionYesAndListsTheHits) {
    // Row 1 holds the numbers of 03.02.2024 and 20.04.2024, row 2 two numbers of them.
    const CliResult r =
        run("25.05.2024",
            {"--set", "Edit1=4",  "--set", "Edit2=15", "--set",  "Edit3=26",    "--set", "Edit4=37",
             "--set", "Edit5=48", "--set", "Edit7=4",  "--set",  "Edit8=15",    "--set", "Edit9=1",
             "--set", "Edit10=2", "--set", "Edit11=3", "search", "--threshold", "5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonArray found = r.json()["found"].toArray();
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].toObject()["date"].toString(), "03.02.2024");
    EXPECT_EQ(found[0].toObject()["row"].toInt(), 1);
    EXPECT_EQ(found[1].toObject()["date"].toString(), "20.04.2024");
    // The labels show the comparison with the newest window draw.
    EXPECT_EQ(r.json()["rows"].toArray().size(), 12);
}

TEST_F(CliAnalyses, BacktestPrintsTheReportItWroteAndTheComparisonWithChance) {
    const CliResult r = run("04.05.2024", {"backtest", "--seed", "815", "--chance"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonObject result = r.json();
    const std::string text = result["report"].toString().toStdString();
    EXPECT_EQ(toWindows1252(text), report());
    EXPECT_NE(text.find("\r\nZiehungen : 4      Tipp: 5 => 20Reihen\r\n"), std::string::npos)
        << text;

    const QJsonObject chance = result["chance"].toObject();
    EXPECT_EQ(chance["rows"].toInt(), 20);
    const QJsonArray classes = chance["classes"].toArray();
    ASSERT_EQ(classes.size(), 12);
    EXPECT_EQ(classes[8].toObject()["hits"].toInt(), 2);
    EXPECT_TRUE(classes[8].toObject()["key"].toBool());
    double expected = 0.0;
    for (const QJsonValue& c : classes)
        expected += c.toObject()["expected"].toDouble();
    EXPECT_NEAR(expected, 20.0, 1e-9);
    EXPECT_TRUE(chance["test"].isObject());
    EXPECT_EQ(chance["test"].toObject()["df"].toInt(), 1);
    EXPECT_FALSE(chance["verdict"].toArray().isEmpty());

    // Without --chance the report alone; the same seed gives the same report.
    const CliResult plain = run("04.05.2024", {"backtest", "--seed", "815"});
    EXPECT_EQ(plain.json().keys(), QStringList{"report"});
    EXPECT_EQ(plain.json()["report"], result["report"]);

    // The core over the same folder writes the same report.
    std::ostringstream quiet;
    cli::CliInteraction ui(quiet);
    ui.textAnswer = "815";
    Workspace ws(cli.dataDir(), ui);
    ws.ticket.evaluationSwitch = true;
    ws.program.todayProvider = [] { return dayCountFromCivil({2024, 6, 1}); };
    ws.drawWindow.startPicker.set(dayCountFromCivil({2024, 1, 13}));
    ws.drawWindow.endPicker.set(dayCountFromCivil({2024, 5, 4}));
    EXPECT_EQ(
        BitBtn9Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view).report,
        text);
}

TEST_F(CliAnalyses, HistoryAnswersEveryQuestionYesAndPrintsTheReport) {
    const CliResult r = run("13.01.2024", {"history", "--threshold", "5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string text = r.json()["report"].toString().toStdString();
    EXPECT_EQ(text.rfind("Treffer von Ziehungen in der Datenbank\r\n", 0), 0u) << text;
    EXPECT_NE(text.find("5x    =>1\r\n \r\nWie oft"), std::string::npos) << text;
    EXPECT_EQ(toWindows1252(text), report());

    const CliResult readable =
        cli.run({"--today", "01.06.2024", "--end", "13.01.2024", "history", "--threshold", "5"});
    ASSERT_EQ(readable.exitCode, 0) << readable.err;
    EXPECT_NE(readable.out.find("5x    =>1\n \nWie oft"), std::string::npos) << readable.out;
    EXPECT_EQ(readable.err, ""); // no progress line without a terminal
}

TEST_F(CliAnalyses, ANumberOptionThatIsNoNumberIsBadUsage) {
    for (const auto& command :
         std::vector<std::vector<std::string>>{{"search", "--threshold", "viele"},
                                               {"history", "--threshold", "5x"},
                                               {"backtest", "--seed", "abc"},
                                               {"backtest", "--chance", "extra"}}) {
        const CliResult r = run("25.05.2024", command);
        EXPECT_EQ(r.exitCode, 2) << command.front();
        EXPECT_FALSE(std::filesystem::exists(cli.dataDir() / "Test.rtf"));
    }
}

} // namespace
} // namespace kav::test
