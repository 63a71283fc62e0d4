// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliInteraction.h"
#include "CliRunner.h"
#include "app/Workspace.h"
#include "generator/TipCalculation.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace kav::test {
namespace {

// Forty weekly draws up to 24.02.2024.
void writeDraws(const std::filesystem::path& folder) {
    std::vector<DrawRecord> draws;
    for (int w = 0; w < 40; ++w)
        draws.push_back(
            DrawRecord::make(dayCountFromCivil({2023, 5, 27}) + 7.0 * w,
                             {1 + w % 10, 12 + w % 9, 23 + w % 8, 34 + w % 7, 45 + w % 6}, w % 10));
    DrawFile(folder).replaceViaTemporary(DrawFile::kMergeTemporary, draws);
}

class CliGenerate : public ::testing::Test {
protected:
    CliGenerate() { writeDraws(cli.dataDir()); }

    CliResult generate(std::vector<std::string> extra) const {
        std::vector<std::string> args{"--today", "02.06.2024", "--end", "01.06.2024", "--json"};
        args.insert(args.end(), extra.begin(), extra.end());
        args.push_back("generate");
        args.push_back("--seed");
        args.push_back("815");
        return cli.run(args);
    }

    static std::vector<std::string> cells(const QJsonObject& result) {
        std::vector<std::string> texts;
        for (const QJsonValue& row : result["rows"].toArray())
            for (const QJsonValue& cell : row.toObject()["cells"].toArray())
                texts.push_back(cell.toString().toStdString());
        return texts;
    }

    CliRunner cli;
};

TEST_F(CliGenerate, EqualSeedsPrintEqualSheetsAndTheCoreAgrees) {
    const CliResult first = generate({"--set", "UpDown8=12"});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const QJsonObject result = first.json();
    EXPECT_EQ(result["rows"].toArray().size(), 12);
    EXPECT_EQ(result["status"].toString(), "Tipps wurden neu berechnet");
    EXPECT_GE(result["attempts"].toInt(), 12);
    const QJsonObject row1 = result["rows"].toArray()[0].toObject();
    EXPECT_EQ(row1["row"].toInt(), 1);
    EXPECT_FALSE(row1["cells"].toArray()[0].toString().isEmpty());
    EXPECT_FALSE(row1["locked"].toBool());

    const CliResult second = generate({"--set", "UpDown8=12"});
    EXPECT_EQ(second.out, first.out);

    // The same run in the core, from the design defaults.
    std::ostringstream messages;
    cli::CliInteraction quiet(messages);
    Workspace ws(cli.dataDir(), quiet);
    ws.options.setUpDown(8, 12);
    ws.endPicker.set(dayCountFromCivil({2024, 6, 1}));
    ws.random.setSeed(815);
    const TipRunSummary summary = Label28Click(ws);
    EXPECT_EQ(summary.attempts, result["attempts"].toInt());
    std::vector<std::string> coreCells;
    for (int r = 0; r < TipSheet::kRows; ++r)
        for (int c = 0; c < TipSheet::kColumns; ++c)
            coreCells.push_back(ws.sheet.cell(r, c));
    EXPECT_EQ(coreCells, cells(result));
}

TEST_F(CliGenerate, LockedRowsStayAndTheirKeyFollowsRowOne) {
    const CliResult r =
        generate({"--set", "Edit1=3", "--set", "Edit2=9", "--set", "Edit3=14", "--set", "Edit4=27",
                  "--set", "Edit5=40", "--set", "Edit6=7", "--lock", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::vector<std::string> texts = cells(r.json());
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 6),
              (std::vector<std::string>{"3", "9", "14", "27", "40", "7"}));
    EXPECT_EQ(texts[11], "7"); // row 2's key
    EXPECT_TRUE(r.json()["rows"].toArray()[0].toObject()["locked"].toBool());
}

TEST_F(CliGenerate, AnEmptyPoolEndsLikeAUsedUpBudgetAndSaysWhy) {
    const CliResult r =
        generate({"--set", "Chekcbox10=0", "--set", "Chekcbox14=0", "--set", "Chekcbox15=1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.json()["status"].toString(), "Ändern Sie die Parameter um 12 Tipps zuberechnen");
    EXPECT_EQ(r.json()["attempts"].toInt(), 50000);
    EXPECT_NE(r.err.find("weniger als fünf"), std::string::npos) << r.err;
    for (const std::string& cell : cells(r.json()))
        EXPECT_EQ(cell, "");
}

TEST_F(CliGenerate, ALockedRowWithoutNumbersIsReportedOnStandardError) {
    // Without the pairwise overlap the empty row does not stand in the way of the others.
    const CliResult r = generate({"--lock", "2", "--set", "Chekcbox27=0"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("2. Tipp"), std::string::npos) << r.err;
    EXPECT_EQ(r.json()["status"].toString(), "Tipps wurden neu berechnet");
    const std::vector<std::string> texts = cells(r.json());
    EXPECT_EQ(texts[6], "");
    EXPECT_NE(texts[12], "");
}

TEST_F(CliGenerate, ASeedThatIsNoNumberIsAUsageError) {
    const CliResult r = cli.run({"--today", "02.06.2024", "generate", "--seed", "abc"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("--seed"), std::string::npos);
}

} // namespace
} // namespace kav::test
