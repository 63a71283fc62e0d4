// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRunner.h"
#include "base/SettingsValues.h"

#include <fstream>
#include <gtest/gtest.h>

namespace kav::test {
namespace {

// The tool over a program folder with the shipped language files.
class CliLanguage : public ::testing::Test {
protected:
    CliLanguage() {
        std::filesystem::copy(std::filesystem::path(KAVANTO_SOURCE_DIR) / "data" / "land",
                              cli.dataDir() / "land");
        EXPECT_EQ(cli.run({"init"}).exitCode, 0);
    }

    std::string caption(const std::vector<std::string>& options, bool withDefaults = true) {
        std::vector<std::string> args = options;
        args.insert(args.end(), {"--json", "--end", "06.02.2005", "stats", "numbers"});
        const CliResult r = cli.run(args, withDefaults);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.json()["caption"].toString().toStdString();
    }

    CliRunner cli;
};

TEST_F(CliLanguage, TheTextsOfTheOutputFollowTheLanguage) {
    EXPECT_EQ(caption({}), "Zahlenverteilung     Ziehungen : 1    Quersumme: 222");
    EXPECT_EQ(caption({"--language", "en"}), "Number distribution     Draws: 1    Sum: 222");
    EXPECT_EQ(caption({"--language", "de"}),
              "Zahlenverteilung     Ziehungen : 1    Quersumme: 222");

    // The status of a run is a message too (an impossible row: the budget is used up).
    const CliResult r = cli.run({"--language", "en", "--json", "--set", "Chekcbox25=1", "--set",
                                 "Chekcbox26=1", "--set", "UpDown15=3", "--set", "UpDown16=3",
                                 "--set", "UpDown7=1", "generate", "--seed", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.json()["status"].toString(), QString("Change the parameters to compute 12 lines"));
}

// Without the option the stored language applies, as in the window; --defaults ignores it.
TEST_F(CliLanguage, WithoutTheOptionTheStoredLanguageApplies) {
    const std::filesystem::path store = cli.dataDir() / "Kavanto.conf";
    ASSERT_TRUE(writeSettingsFile(store, {{"Sprache", SettingValue::ofInteger(2)}}));
    EXPECT_EQ(caption({"--settings", store.string()}, false).rfind("Number distribution", 0), 0u);
    EXPECT_EQ(caption({"--settings", store.string(), "--language", "de"}, false)
                  .rfind("Zahlenverteilung", 0),
              0u);
    EXPECT_EQ(caption({"--settings", store.string(), "--defaults"}, false).rfind("Zahlen", 0), 0u);
}

// A language asked for whose files the program folder lacks is bad usage, not German
// output; German needs no files.
TEST(CliLanguageFiles, ALanguageWithoutItsFilesIsBadUsage) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);
    const CliResult r = cli.run({"--language", "en", "--json", "draws"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("Kavanto.txt"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(cli.run({"--language", "de", "--json", "draws"}).exitCode, 0);
}

TEST_F(CliLanguage, AnUnknownLanguageIsBadUsage) {
    for (const char* code : {"xx", "EN", "cs"}) {
        const CliResult r = cli.run({"--language", code, "draws"});
        EXPECT_EQ(r.exitCode, 2) << code;
        EXPECT_NE(r.err.find("--language"), std::string::npos) << r.err;
    }
    EXPECT_EQ(cli.run({"--language"}).exitCode, 2);
}

// The tool only reads the store: a damaged one is reported and left as it is.
TEST_F(CliLanguage, ADamagedStoreIsReportedAndLeftAlone) {
    const std::filesystem::path store = cli.dataDir() / "Kavanto.conf";
    std::ofstream(store, std::ios::binary) << "garbage";
    const CliResult r = cli.run({"--settings", store.string(), "draws"}, false);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.err.find("beschädigt"), std::string::npos) << r.err;
    EXPECT_TRUE(std::filesystem::exists(store));
}

} // namespace
} // namespace kav::test
