// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRunner.h"
#include "base/DayCount.h"
#include "draws/DrawFile.h"

#include <QJsonArray>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace kav::test {
namespace {

const std::vector<DrawRecord> kDraws{
    DrawRecord::make(dayCountFromCivil({2024, 5, 18}), {3, 14, 25, 36, 47}, 1),
    DrawRecord::make(dayCountFromCivil({2024, 5, 25}), {5, 12, 30, 40, 50}, 3),
    DrawRecord::make(dayCountFromCivil({2024, 6, 1}), {1, 2, 3, 4, 54}, 0),
};

// The rows 5 12 23 34 45 key 3 and 40 7 22 3 15 key 1 in the first two rows, the
// third row with an empty third cell.
const std::vector<std::string> kSheet{
    "--set",     "Edit1=45", "--set",    "Edit2=34", "--set",    "Edit3=23", "--set",
    "Edit4=12",  "--set",    "Edit5=5",  "--set",    "Edit6=3",  "--set",    "Edit7=40",
    "--set",     "Edit8=7",  "--set",    "Edit9=22", "--set",    "Edit10=3", "--set",
    "Edit11=15", "--set",    "Edit12=1", "--set",    "Edit13=1", "--set",    "Edit14=2",
    "--set",     "Edit16=4", "--set",    "Edit17=5", "--set",    "Edit18=6"};

std::vector<std::string> with(std::vector<std::string> head, const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class CliSheetAndDraws : public ::testing::Test {
protected:
    CliSheetAndDraws() { storeDraws(kDraws); }
    void storeDraws(const std::vector<DrawRecord>& records) {
        DrawFile(cli.dataDir()).replace(records);
    }
    std::vector<DrawRecord> stored() const { return DrawFile(cli.dataDir()).readAll().records; }
    QJsonObject runJson(const std::vector<std::string>& args) {
        const CliResult r = cli.run(with({"--json", "--today", "02.06.2024"}, args));
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r.json();
    }

    CliRunner cli;
};

TEST_F(CliSheetAndDraws, EvaluateReportsCurrentDrawRowsAndHitClasses) {
    const QJsonObject result = runJson(with({"--end", "25.05.2024"}, with(kSheet, {"evaluate"})));

    const QJsonObject current = result["current"].toObject();
    EXPECT_EQ(current["index"].toInt(), 1);
    EXPECT_EQ(current["date"].toString(), "25.05.2024");
    EXPECT_EQ(current["numbers"].toArray(), (QJsonArray{5, 12, 30, 40, 50}));
    EXPECT_EQ(current["key"].toInt(), 3);
    EXPECT_TRUE(current["caption"].toString().endsWith("25.05.24    5  12  30  40  50 R:3"))
        << current["caption"].toString().toStdString();

    const QJsonArray rows = result["rows"].toArray();
    ASSERT_EQ(rows.size(), 12);
    const QJsonObject first = rows[0].toObject();
    EXPECT_EQ(first["row"].toInt(), 1);
    EXPECT_EQ(first["cells"].toArray(), (QJsonArray{"5", "12", "23", "34", "45", "3"}));
    EXPECT_EQ(first["hits"].toString(), "2 + R");
    EXPECT_EQ(first["sum"].toString(), "119");
    EXPECT_FALSE(first["locked"].toBool());
    const QJsonObject second = rows[1].toObject();
    EXPECT_EQ(second["cells"].toArray(), (QJsonArray{"3", "7", "15", "22", "40", "1"}));
    EXPECT_EQ(second["sum"].toString(), "87");
    const QJsonObject third = rows[2].toObject();
    EXPECT_EQ(third["cells"].toArray(), (QJsonArray{"1", "2", "", "4", "5", ""}));
    EXPECT_EQ(third["hits"].toString(), "");

    QJsonArray classes;
    for (int hits = 0; hits <= 5; ++hits)
        classes.append(QJsonArray{0, hits == 2 ? 1 : 0, 0});
    classes[1] = QJsonArray{1, 0, 0};
    EXPECT_EQ(result["classes"].toArray(), classes);
}

TEST_F(CliSheetAndDraws, AddAppendsReplacesOrInsertsByDate) {
    struct Case {
        const char* date;
        std::vector<DrawRecord> expected;
    };
    const DrawRecord entry = DrawRecord::make(0, {3, 7, 15, 22, 40}, 9);
    const auto on = [&](CivilDate date) {
        DrawRecord r = entry;
        r.date = dayCountFromCivil(date);
        return r;
    };
    const Case cases[] = {
        {"08.06.2024", {kDraws[0], kDraws[1], kDraws[2], on({2024, 6, 8})}},
        {"25.05.2024", {kDraws[0], on({2024, 5, 25}), kDraws[2]}},
        {"22.05.2024", {kDraws[0], on({2024, 5, 22}), kDraws[1], kDraws[2]}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        storeDraws(kDraws);
        const QJsonObject result = runJson({"add", c.date, "40", "7", "22", "3", "15", "9"});
        EXPECT_EQ(stored(), c.expected);
        EXPECT_EQ(result["draws"].toArray().size(), static_cast<qsizetype>(c.expected.size()));
    }
}

TEST_F(CliSheetAndDraws, AddRefusesWhatTheDialogCouldNotTake) {
    const std::vector<std::vector<std::string>> bad{
        {"add", "08.06.2024", "0", "7", "22", "3", "15", "9"},
        {"add", "08.06.2024", "55", "7", "22", "3", "15", "9"},
        {"add", "08.06.2024", "1", "7", "22", "3", "15", "10"},
        {"add", "31.06.2024", "1", "7", "22", "3", "15", "1"},
        {"add", "08.06.2024", "1", "7", "22", "3", "15"},
        {"add", "08.06.2024", "5", "5", "5", "5", "5", "1"},
        {"add", "25.05.2024", "40", "7", "22", "7", "15", "1"},
    };
    for (const auto& args : bad) {
        const CliResult r = cli.run(args);
        EXPECT_EQ(r.exitCode, 2) << args[2] << " " << r.err;
    }
    EXPECT_NE(cli.run(bad[5]).err.find("Die Zahl 5 ist mehrfach eingegeben"), std::string::npos);
    EXPECT_EQ(stored(), kDraws);
}

TEST_F(CliSheetAndDraws, DeleteRemovesTheDrawOfTheEndDate) {
    const QJsonObject result = runJson({"--end", "25.05.2024", "delete"});
    EXPECT_EQ(stored(), (std::vector<DrawRecord>{kDraws[0], kDraws[2]}));
    EXPECT_EQ(result["draws"].toArray().size(), 2);
}

TEST_F(CliSheetAndDraws, NextAndPreviousStepAndStopAtBothEnds) {
    struct Case {
        const char* end;
        const char* command;
        int index;
        const char* date;
    };
    const Case cases[] = {
        {"25.05.2024", "next", 2, "01.06.2024"},
        {"25.05.2024", "previous", 0, "18.05.2024"},
        {"18.05.2024", "previous", 0, "18.05.2024"},
        {"01.06.2024", "next", 2, "01.06.2024"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " from " + c.end);
        const QJsonObject current = runJson({"--end", c.end, c.command})["current"].toObject();
        EXPECT_EQ(current["index"].toInt(), c.index);
        EXPECT_EQ(current["date"].toString(), c.date);
        EXPECT_TRUE(current["caption"].toString().contains("   R: ")); // the steps' caption
    }
}

TEST_F(CliSheetAndDraws, StepsOnAnEmptyDrawFileShowNothing) {
    storeDraws({});
    for (const char* command : {"next", "previous"}) {
        const QJsonObject current = runJson({command})["current"].toObject();
        EXPECT_EQ(current["index"].toInt(), 0);
        EXPECT_EQ(current["caption"].toString(), "");
    }
}

TEST_F(CliSheetAndDraws, SavedSheetLoadsBackWithLocks) {
    const std::filesystem::path file = cli.dataDir() / "tipp.hlt";
    const CliResult saved = cli.run(with(kSheet, {"save-sheet", file.string()}));
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_EQ(saved.out, "");
    // The start-up evaluated the sheet: rows sorted, the failed row's key emptied.
    EXPECT_EQ(readBytes(file), "5,12,23,34,45,3\r\n3,7,15,22,40,1\r\n1,2,,4,5,\r\n");

    const QJsonObject result =
        runJson({"--sheet", file.string(), "--lock", "2", "--end", "25.05.2024", "evaluate"});
    const QJsonArray rows = result["rows"].toArray();
    EXPECT_EQ(rows[0].toObject()["hits"].toString(), "2 + R");
    EXPECT_TRUE(rows[1].toObject()["locked"].toBool());
    EXPECT_EQ(rows[2].toObject()["cells"].toArray(), (QJsonArray{"1", "2", "", "4", "5", ""}));
    EXPECT_EQ(rows[3].toObject()["cells"].toArray(), (QJsonArray{"", "", "", "", "", ""}));
}

TEST_F(CliSheetAndDraws, UnreadableSheetOrMissingFileNameIsBadInput) {
    EXPECT_EQ(cli.run({"--sheet", (cli.dataDir() / "none.hlt").string(), "evaluate"}).exitCode, 2);
    EXPECT_EQ(cli.run({"save-sheet"}).exitCode, 2);
    EXPECT_EQ(cli.run({"save-sheet", (cli.dataDir() / "no" / "dir.hlt").string()}).exitCode, 1);
}

} // namespace
} // namespace kav::test
