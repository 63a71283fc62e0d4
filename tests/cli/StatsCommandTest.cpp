// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRunner.h"
#include "base/DayCount.h"
#include "draws/DrawFile.h"
#include "model/TipSheet.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace kav::test {
namespace {

// Draw dates one week apart from 06.02.2005 on, as the tool's date options spell them.
double week(int n) {
    return static_cast<double>(kMinimumPickerDate + 7 * n);
}
std::string weekText(int n) {
    return formatShortDate(kMinimumPickerDate + 7 * n);
}

class CliStats : public ::testing::Test {
protected:
    void writeDraws(const std::vector<DrawRecord>& draws) {
        DrawFile(cli.dataDir()).replace(draws);
    }

    // `stats KIND` over the window from week `start` to week `end`.
    CliResult stats(const std::string& kind, int start, int end,
                    std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"--json",        "--today", weekText(end), "--start",
                                      weekText(start), "--end",   weekText(end)};
        args.insert(args.end(), extra.begin(), extra.end());
        args.insert(args.end(), {"stats", kind});
        return cli.run(args);
    }

    static std::vector<int> ys(const QJsonObject& json) {
        std::vector<int> values;
        for (const QJsonValue& p : json["points"].toArray())
            values.push_back(p.toObject()["y"].toInt());
        return values;
    }

    CliRunner cli;
};

// The edges: a draw on the start date (week 1) and one on the end date (week 5); 1 2 3 4 5
// and 51 52 53 54 x; key numbers 3 7 3 in the last three draws.
const std::vector<DrawRecord> kEdges{
    DrawRecord::make(week(0), {40, 41, 42, 43, 44}, 9), // before the start
    DrawRecord::make(week(1), {1, 2, 3, 4, 5}, 2),      // on the start date
    DrawRecord::make(week(2), {51, 52, 53, 54, 9}, 1),
    DrawRecord::make(week(3), {1, 2, 3, 4, 5}, 3),
    DrawRecord::make(week(4), {10, 20, 30, 40, 50}, 7),
    DrawRecord::make(week(5), {6, 7, 8, 9, 10}, 3),     // on the end date
    DrawRecord::make(week(6), {11, 12, 13, 14, 15}, 4), // after the end
};

TEST_F(CliStats, EveryKindAsTheChartContractGivesIt) {
    writeDraws(kEdges);
    struct Case {
        const char* kind;
        int points;
        int firstX;
        int axisMin;
        int axisMax;
        bool automatic;
        const char* caption;
    };
    const Case cases[] = {
        {"numbers", 54, 1, 0, 2, false, "Zahlenverteilung     Ziehungen : 5    Quersumme: 88"},
        {"overdue", 54, 1, 1, 5, false,
         "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?"},
        {"sums", 205, 15, 0, 1, true, "Quersummenverteilung    Ziehungen : 4     Quersumme: 106"},
        {"pairs", 53, 1, 0, 1, false, "Ziehungen : 4        Paare gefunden :  11"},
        {"triples", 52, 1, 0, 1, false, "Ziehungen : 4        Dreier gefunden :  8"},
        {"quads", 54, 1, 0, 1, true, "Ziehungen : 4        Vierer gefunden!5"},
        {"keys", 10, 0, 0, 2, false, "Wie oft wurden die einzelnen Sternenzahlen gezogen?"},
        {"keys-overdue", 10, 0, 1, 4, false, "Welche Sternenzahl wurde am längsten nicht gezogen?"},
        {"sheet", 54, 1, 0, 0, false, "Zahlenverteilung des Tippes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const CliResult r = stats(c.kind, 1, 5);
        ASSERT_EQ(r.exitCode, 0) << r.err;
        const QJsonObject json = r.json();
        const QJsonArray points = json["points"].toArray();
        ASSERT_EQ(points.size(), c.points);
        EXPECT_EQ(points[0].toObject()["x"].toInt(), c.firstX);
        EXPECT_EQ(json["axis"].toObject(),
                  (QJsonObject{{"min", c.axisMin}, {"max", c.axisMax}, {"auto", c.automatic}}));
        EXPECT_EQ(json["caption"].toString().toStdString(), c.caption);
    }
}

TEST_F(CliStats, WindowEdgesAndRuns) {
    writeDraws(kEdges);
    // The draw on the start date counts for the number distribution only.
    EXPECT_EQ(ys(stats("numbers", 1, 5).json())[0], 2);
    EXPECT_EQ(ys(stats("overdue", 1, 5).json())[0], 3);  // last in week 3, two draws since
    EXPECT_EQ(ys(stats("overdue", 1, 5).json())[5], 1);  // 6 on the end date
    EXPECT_EQ(ys(stats("overdue", 1, 5).json())[43], 5); // 44 only before the start
    // 1 2 3 4 5 (week 3) and 51 52 53 54 9 (week 2) inside; 6 7 8 9 10 on the end date.
    const std::vector<int> pairs = ys(stats("pairs", 1, 5).json());
    EXPECT_EQ((std::vector<int>(pairs.begin(), pairs.begin() + 10)),
              (std::vector<int>{1, 1, 1, 1, 0, 1, 1, 1, 1, 0}));
    EXPECT_EQ((std::vector<int>(pairs.end() - 3, pairs.end())), (std::vector<int>{1, 1, 1}));
    const std::vector<int> quads = ys(stats("quads", 1, 5).json());
    EXPECT_EQ(quads[0], 1);
    EXPECT_EQ(quads[1], 1);
    EXPECT_EQ(quads[50], 1); // 51..54
    EXPECT_EQ(quads[51], 0); // 52..55 never
    // Keys 1, 3, 7, 3 in the window: 3 is the newest, 7 the one before.
    const std::vector<int> keysOverdue = ys(stats("keys-overdue", 1, 5).json());
    EXPECT_EQ(keysOverdue[3], 1);
    EXPECT_EQ(keysOverdue[7], 2);
    EXPECT_EQ(keysOverdue[1], 4);
    EXPECT_EQ(keysOverdue[2], 4);                    // only on the start date: never in the window
    EXPECT_EQ(ys(stats("keys", 1, 5).json())[2], 1); // but counted by the frequency
}

TEST_F(CliStats, CrossSumsFrom98To190Give93Points) {
    writeDraws({DrawRecord::make(week(1), {10, 20, 21, 22, 25}, 0),
                DrawRecord::make(week(2), {30, 31, 40, 44, 45}, 0),
                DrawRecord::make(week(3), {20, 25, 30, 35, 40}, 0)});
    const QJsonObject json = stats("sums", 0, 3).json();
    const QJsonArray points = json["points"].toArray();
    ASSERT_EQ(points.size(), 93);
    EXPECT_EQ(points.first().toObject(),
              (QJsonObject{{"x", 98}, {"y", 1}, {"color", QJsonValue::Null}}));
    EXPECT_EQ(points.last().toObject()["x"].toInt(), 190);
    EXPECT_EQ(points[1].toObject()["y"].toInt(), 0);
}

TEST_F(CliStats, ColoursAndTheTipSheet) {
    writeDraws(kEdges);
    const std::vector<std::string> sheet{
        "--set", "Edit" + std::to_string(TipSheet::editNumber(0, 0)) + "=1",
        "--set", "Edit" + std::to_string(TipSheet::editNumber(0, 1)) + "=2",
        "--set", "Edit" + std::to_string(TipSheet::editNumber(0, 2)) + "=3",
        "--set", "Edit" + std::to_string(TipSheet::editNumber(0, 3)) + "=4",
        "--set", "Edit" + std::to_string(TipSheet::editNumber(0, 4)) + "=5",
        "--set", "Edit" + std::to_string(TipSheet::editNumber(0, 5)) + "=3"};
    const QJsonObject json = stats("sheet", 1, 5, sheet).json();
    const QJsonArray points = json["points"].toArray();
    EXPECT_EQ(points[2].toObject(), (QJsonObject{{"x", 3}, {"y", 2}, {"color", "#FF0000"}}));
    EXPECT_EQ(points[52].toObject(), (QJsonObject{{"x", 53}, {"y", 0}, {"color", "#008000"}}));
    EXPECT_EQ(json["axis"].toObject()["max"].toInt(), 2);
}

TEST_F(CliStats, StartAfterEnd) {
    writeDraws(kEdges);
    const QJsonObject numbers = stats("numbers", 5, 3).json();
    EXPECT_EQ(ys(numbers), std::vector<int>(54, 0));
    EXPECT_EQ(numbers["caption"].toString().toStdString(),
              "Zahlenverteilung     Ziehungen : 0    Quersumme: 0");
    EXPECT_EQ(ys(stats("overdue", 5, 3).json()), std::vector<int>(54, 1));
    const QJsonObject sums = stats("sums", 5, 3).json();
    EXPECT_TRUE(sums["points"].toArray().isEmpty());
    EXPECT_EQ(sums["axis"].toObject(), (QJsonObject{{"min", 0}, {"max", 0}, {"auto", true}}));
    EXPECT_EQ(sums["caption"].toString().toStdString(),
              "Quersummenverteilung    Ziehungen : 0     Quersumme: 0");
}

TEST_F(CliStats, ReadableBarListAndUsageErrors) {
    writeDraws(kEdges);
    const CliResult readable = cli.run(
        {"--today", weekText(5), "--start", weekText(1), "--end", weekText(5), "stats", "keys"});
    ASSERT_EQ(readable.exitCode, 0) << readable.err;
    EXPECT_EQ(readable.out.substr(0, readable.out.find('\n')),
              "Wie oft wurden die einzelnen Sternenzahlen gezogen?");
    EXPECT_NE(readable.out.find("\n  3    2 " + std::string(50, '#') + "\n"), std::string::npos);

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"stats"}, {"stats", "lotto"}, {"stats", "keys", "pairs"}}) {
        const CliResult r = cli.run(bad);
        EXPECT_EQ(r.exitCode, 2) << r.err;
        EXPECT_FALSE(r.err.empty());
    }
}

} // namespace
} // namespace kav::test
