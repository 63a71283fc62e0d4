// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliInteraction.h"
#include "CliRunner.h"
#include "app/Workspace.h"
#include "commands/TipCalculation.h"
#include "model/Controls.h"

#include <QJsonArray>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace kav::test {
namespace {

// Forty weekly draws up to 24.02.2024.
void writeDraws(const std::filesystem::path& folder) {
    std::vector<DrawRecord> draws;
    for (int w = 0; w < 40; ++w)
        draws.push_back(
            DrawRecord::make(dayCountFromCivil({2023, 5, 27}) + 7.0 * w,
                             {1 + w % 10, 12 + w % 9, 23 + w % 8, 34 + w % 7, 45 + w % 6}, w % 10));
    DrawFile(folder).replace(draws);
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
    ws.options.setValue(UpDown::RowsToCompute, 12);
    ws.drawWindow.endPicker.set(dayCountFromCivil({2024, 6, 1}));
    ws.run.random.setSeed(815);
    const TipRunSummary summary =
        Label28Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_EQ(summary.attempts, result["attempts"].toInt());
    std::vector<std::string> coreCells;
    for (int r = 0; r < TipSheet::kRows; ++r)
        for (int c = 0; c < TipSheet::kColumns; ++c)
            coreCells.push_back(ws.ticket.sheet.cell(r, c));
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

// `generate` with the number list dialog switched on: answered OK, or with `--list`
// loaded from a list file and answered "&Rechnen".
class CliGenerateList : public ::testing::Test {
protected:
    CliGenerateList() { writeDraws(cli.dataDir()); }

    CliResult generate(std::vector<std::string> globals, std::vector<std::string> command) const {
        std::vector<std::string> args{"--today", "02.06.2024", "--end", "01.06.2024", "--json"};
        args.insert(args.end(), {"--set", "UpDown8=12"});
        args.insert(args.end(), globals.begin(), globals.end());
        args.push_back("generate");
        args.insert(args.end(), command.begin(), command.end());
        return cli.run(args);
    }

    std::string writeList(const std::string& name, const std::vector<std::string>& lines) const {
        const auto path = cli.dataDir() / name;
        std::ofstream out(path, std::ios::binary);
        for (const std::string& line : lines)
            out << line << "\r\n";
        return path.string();
    }

    static std::set<int> numbers(const CliResult& r) {
        std::set<int> found;
        for (const QJsonValue& row : r.json()["rows"].toArray()) {
            const QJsonArray cells = row.toObject()["cells"].toArray();
            for (int c = 0; c < 5; ++c)
                if (!cells[c].toString().isEmpty())
                    found.insert(cells[c].toString().toInt());
        }
        return found;
    }

    CliRunner cli;
};

TEST_F(CliGenerateList, TheDialogAnsweredOkKeepsThePool) {
    const CliResult plain = generate({}, {"--seed", "1"});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    const CliResult withDialog = generate({"--set", "Chekcbox20=1"}, {"--seed", "1"});
    ASSERT_EQ(withDialog.exitCode, 0) << withDialog.err;
    EXPECT_EQ(withDialog.out, plain.out);
    EXPECT_GE(numbers(plain).size(), 20u);
}

TEST_F(CliGenerateList, AListIsLoadedIntoTheDialogAndAnsweredCalculate) {
    // Eleven numbers spread over 1..54 (so that the default cross-sum range can be met);
    // 21 with a negative weight, 33 with weight 0.
    const std::map<int, std::string> weights{{3, "2"},  {9, "1"},  {14, "3"}, {21, "-1"},
                                             {27, "1"}, {33, "0"}, {40, "1"}, {44, "4"},
                                             {49, "1"}, {52, "1"}, {54, "2"}};
    std::vector<std::string> lines(54);
    for (const auto& [k, w] : weights)
        lines[static_cast<std::size_t>(k - 1)] = w;
    const std::string list = writeList("auswahl.hlw", lines);
    const auto listed = [&](int n) { return weights.contains(n) && n != 21; };
    for (const std::string seed : {"1", "2", "3"}) {
        const CliResult r = generate({"--set", "Chekcbox20=1", "--set", "Chekcbox27=0"},
                                     {"--seed", seed, "--list", list});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const std::set<int> found = numbers(r);
        EXPECT_GE(found.size(), 5u) << r.out;
        for (int n : found)
            EXPECT_TRUE(listed(n)) << seed << ": " << n;
    }
    // `--list` shows the dialog even when the stored settings keep it off.
    const CliResult switchedOn =
        generate({"--set", "Chekcbox27=0"}, {"--seed", "1", "--list", list});
    ASSERT_EQ(switchedOn.exitCode, 0) << switchedOn.err;
    EXPECT_GE(numbers(switchedOn).size(), 5u);
    for (int n : numbers(switchedOn))
        EXPECT_TRUE(listed(n)) << n;
}

TEST_F(CliGenerateList, AListThatCannotBeReadIsBadInput) {
    const std::string junk = writeList("kaputt.hlw", {"1", "abc"});
    const std::pair<std::string, std::string> cases[] = {
        {junk, "Zeile 2"},
        {(cli.dataDir() / "fehlt.hlw").string(), "fehlt.hlw"},
    };
    for (const auto& [file, expected] : cases) {
        const CliResult r = generate({"--set", "Chekcbox20=1"}, {"--seed", "1", "--list", file});
        EXPECT_EQ(r.exitCode, 2) << file;
        EXPECT_NE(r.err.find("--list"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    const CliResult help = cli.run({"--help"});
    EXPECT_NE(help.out.find("generate [--seed N] [--list DATEI]"), std::string::npos) << help.out;
}

} // namespace
} // namespace kav::test
