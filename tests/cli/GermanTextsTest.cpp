// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRunner.h"

#include <QRegularExpression>
#include <QString>
#include <gtest/gtest.h>
#include <set>

namespace kav::test {
namespace {

// English words that a German text does not hold (option and command names, which are the
// tool's contract, are none of them).
const std::set<QString> kEnglishWords{
    "the",     "of",        "to",      "and",    "or",       "by",      "once",   "draw",  "enter",
    "list",    "step",      "create",  "after",  "when",     "missing", "one",    "lucky", "number",
    "current", "statistic", "setting", "file",   "tip",      "error",   "no",     "not",   "found",
    "such",    "directory", "unknown", "option", "expected", "value",   "invalid"};

std::vector<std::string> englishWordsIn(const std::string& text) {
    std::vector<std::string> found;
    static const QRegularExpression optionNames("--[a-z-]+");
    static const QRegularExpression nonLetters("[^\\p{L}]+");
    const QString prose = QString::fromStdString(text).remove(optionNames);
    for (const QString& word : prose.split(nonLetters, Qt::SkipEmptyParts))
        if (kEnglishWords.count(word.toLower()))
            found.push_back(word.toStdString());
    return found;
}

} // namespace

TEST(CliGermanTexts, TheWholeHelpIsGerman) {
    CliRunner cli;
    const CliResult help = cli.run({"--help"});
    ASSERT_EQ(help.exitCode, 0);
    EXPECT_EQ(englishWordsIn(help.out), std::vector<std::string>{}) << help.out;
    for (const char* line : {"Ziehungsdatei mit der ersten Ziehung anlegen (nur wenn sie fehlt)",
                             "add DATUM N1 N2 N3 N4 N5 NºCLAVE", "save-sheet DATEI", "stats ART",
                             "--data-dir <ORDNER>"})
        EXPECT_NE(help.out.find(line), std::string::npos) << line;
}

TEST(CliGermanTexts, EveryErrorMessageIsGerman) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);
    const std::vector<std::vector<std::string>> failing{
        {"frobnicate"},
        {"--end"},
        {"--end", "31.02.2024", "draws"},
        {"--set", "UpDown3=x", "draws"},
        {"--set", "Nonsense=1", "draws"},
        {"--lock", "13", "draws"},
        {"--sheet", (cli.dataDir() / "fehlt.hlt").string(), "draws"},
        {"draws", "extra"},
        {"stats"},
        {"stats", "colours"},
        {"generate", "--seed", "x"},
        {"save-sheet"},
        {"add", "08.06.2024", "5", "5", "5", "5", "5", "1"},
        {"add", "08.06.2024", "55", "7", "22", "3", "15", "9"},
        {"save-sheet", (cli.dataDir() / "fehlt" / "x.hlt").string()},
    };
    for (const auto& args : failing) {
        const CliResult r = cli.run(args);
        EXPECT_NE(r.exitCode, 0) << args.front();
        EXPECT_FALSE(r.err.empty()) << args.front();
        EXPECT_EQ(englishWordsIn(r.err), std::vector<std::string>{}) << r.err;
    }
    // The system's reason for a failed file operation is German as well.
    const CliResult missing = cli.run({"--sheet", (cli.dataDir() / "fehlt.hlt").string(), "draws"});
    EXPECT_NE(missing.err.find("Datei oder Verzeichnis nicht gefunden"), std::string::npos)
        << missing.err;
}

} // namespace kav::test
