// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRunner.h"
#include "base/DayCount.h"
#include "draws/DrawFile.h"

#include <QJsonArray>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace kav::test {
namespace {

// `generate` with the number list dialog switched on: answered OK, or with `--list`
// loaded from a list file and answered "&Rechnen".
class CliGenerateList : public ::testing::Test {
protected:
    CliGenerateList() {
        std::vector<DrawRecord> draws;
        for (int w = 0; w < 40; ++w)
            draws.push_back(DrawRecord::make(
                dayCountFromCivil({2023, 5, 27}) + 7.0 * w,
                {1 + w % 10, 12 + w % 9, 23 + w % 8, 34 + w % 7, 45 + w % 6}, w % 10));
        DrawFile(cli.dataDir()).replaceViaTemporary(DrawFile::kMergeTemporary, draws);
    }

    CliResult generate(std::vector<std::string> globals, std::vector<std::string> command) const {
        std::vector<std::string> args{"--today", "02.06.2024", "--end",     "01.06.2024",
                                      "--json",  "--set",      "UpDown8=12"};
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
    EXPECT_NE(help.out.find("generate [--seed N] [--list FILE]"), std::string::npos) << help.out;
}

} // namespace
} // namespace kav::test
