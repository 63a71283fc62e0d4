// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/TipSearch.h"

#include "base/IntegerText.h"
#include "draws/DrawCaption.h"
#include "model/Controls.h"
#include "support/WorkspaceFixture.h"

namespace kav::test {
namespace {

// Four Saturdays of May 2024.
const std::vector<DrawRecord> kDraws{
    draw(day(2024, 5, 4), {3, 14, 25, 36, 47}, 1),
    draw(day(2024, 5, 11), {5, 12, 30, 40, 50}, 3),
    draw(day(2024, 5, 18), {1, 2, 3, 4, 54}, 0),
    draw(day(2024, 5, 25), {7, 9, 21, 33, 44}, 8),
};

class TipSearch : public WorkspaceTest {
protected:
    TipSearch() {
        writeDraws(kDraws);
        ws.drawWindow.startPicker.set(static_cast<DayCount>(day(2024, 5, 1)));
        ws.drawWindow.endPicker.set(static_cast<DayCount>(day(2024, 5, 31)));
        // The draw selected before the search: its index must survive it.
        ws.drawWindow.current.take(kDraws[0]);
        ws.drawWindow.current.index = 0;
    }
};

TEST_F(TipSearch, ThresholdFiveStopsAtAnEqualPastDraw) {
    setRow(0, {"1", "2", "3", "4", "54", "9"});
    setRow(1, {"5", "12", "30", "40", "50", "3"});
    ui.textAnswers = {std::string("5")};
    ui.yesNoAnswers = {false};
    const SearchResult result =
        SpeedButton4Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.view);

    EXPECT_EQ(ui.questions, (std::vector<std::string>{
                                "Tipp-Test", "Ein Treffer am  11.05.2024 gefunden. Weiter?"}));
    ASSERT_EQ(result.found.size(), 1u);
    EXPECT_EQ(result.found[0].row, 2);
    EXPECT_FALSE(result.completed);
    // The draw it stopped at is the current draw, shown in variant C; its index stayed.
    EXPECT_EQ(ws.drawWindow.current.date, kDraws[1].date);
    EXPECT_EQ(ws.drawWindow.current.index, 0);
    CurrentDraw shown;
    shown.take(kDraws[1]);
    EXPECT_EQ(ws.view.drawCaption,
              drawCaptionText(shown, CaptionVariant::C, ws.view.shortDayNames));
    EXPECT_EQ(ws.view.tipDrawCaption, ws.view.drawCaption);
    EXPECT_EQ(ws.ticket.sheet.hits(1), "5 + R");
    EXPECT_TRUE(ws.ticket.sheet.hitsRed(1));
    // Answering No leaves the chart emptied.
    EXPECT_TRUE(ws.view.chart.points.empty());
}

TEST_F(TipSearch, ThresholdSevenWithTheKeyOptionNeverAsks) {
    ws.options.setChecked(CheckBox::KeyCountsAsHit, true);
    setRow(0, {"5", "12", "30", "40", "50", "3"}); // five numbers and the key: 6
    ui.textAnswers = {std::string("7")};           // the default with the key option
    const SearchResult result =
        SpeedButton4Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.view);

    EXPECT_EQ(ui.questions, std::vector<std::string>{"Tipp-Test"});
    EXPECT_TRUE(result.completed);
    EXPECT_TRUE(result.found.empty());
    EXPECT_EQ(ws.drawWindow.current.date, kDraws[3].date); // the newest window draw
    EXPECT_EQ(ws.ticket.sheet.hits(0), "0");
    ASSERT_EQ(ws.view.chart.points.size(), 12u);
    for (const ChartPoint& p : ws.view.chart.points)
        EXPECT_EQ(p.y, 0);
    EXPECT_EQ(ws.view.chart.points[11].x, 11);
    EXPECT_EQ(ws.view.chart.xLabels[11], "12");
}

// Abbrechen once searched with the default threshold.
TEST_F(TipSearch, CancellingTheThresholdSearchesNothing) {
    setRow(0, {"5", "12", "30", "40", "50", "3"});
    ws.ticket.sheet.setHits(0, "earlier", false);
    const double current = ws.drawWindow.current.date;
    ui.textAnswers = {std::nullopt};
    const SearchResult result =
        SpeedButton4Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.view);
    EXPECT_FALSE(result.completed);
    EXPECT_EQ(ui.questions, std::vector<std::string>{"Tipp-Test"}); // no draw asked about
    EXPECT_EQ(ws.ticket.sheet.hits(0), "earlier");
    EXPECT_EQ(ws.drawWindow.current.date, current);
}

TEST_F(TipSearch, AnEmptyWindowAsksNothingAndChangesNothing) {
    setRow(0, {"5", "12", "30", "40", "50", "3"});
    ws.ticket.sheet.setHits(0, "earlier", false);
    ws.view.drawCaption = "earlier caption";
    ws.drawWindow.startPicker.set(static_cast<DayCount>(day(2024, 5, 26)));
    ui.textAnswers = {std::string("1")};
    const SearchResult result =
        SpeedButton4Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.view);

    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_TRUE(result.found.empty());
    EXPECT_EQ(ws.drawWindow.current.date, kDraws[0].date);
    EXPECT_EQ(ws.ticket.sheet.hits(0), "earlier");
    EXPECT_EQ(ws.view.drawCaption, "earlier caption");
}

TEST_F(TipSearch, TwoNumbersAndTheKeyShowTwoPlusRAndCountThreeWithTheKeyOption) {
    setRow(0, {"5", "12", "22", "23", "24", "3"}); // 5 and 12 of 11.05., key 3
    for (const bool keyCounts : {false, true}) {
        SCOPED_TRACE(keyCounts);
        ws.options.setChecked(CheckBox::KeyCountsAsHit, keyCounts);
        ui.questions.clear();
        ui.textAnswers = {std::string("3")};
        ui.yesNoAnswers = {false};
        const SearchResult result =
            SpeedButton4Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.view);
        EXPECT_EQ(result.found.size(), keyCounts ? 1u : 0u);
        if (keyCounts) {
            // Stopped at 11.05.: the label shows the numbers only, in black.
            EXPECT_EQ(ws.ticket.sheet.hits(0), "2 + R");
            EXPECT_FALSE(ws.ticket.sheet.hitsRed(0));
        }
    }
}

TEST_F(TipSearch, TheChartCountsTheDrawsEachRowReachedWithEveryAnswerYes) {
    setRow(0, {"1", "2", "3", "14", "30", "0"});   // 3 at 04.05. (3, 14), 18.05. (1, 2, 3)
    setRow(2, {"3", "14", "25", "36", "47", "1"}); // 04.05. all five
    setRow(3, {"7", "", "", "", "", ""});          // partly filled: one match at most
    ui.textAnswers = {std::string("2")};
    ui.yesNoAnswers = {true, true, true, true};
    const SearchResult result =
        SpeedButton4Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.view);

    EXPECT_TRUE(result.completed);
    std::vector<std::pair<std::string, int>> found;
    for (const SearchHit& hit : result.found)
        found.emplace_back(formatShortDate(hit.date), hit.row);
    EXPECT_EQ(found, (std::vector<std::pair<std::string, int>>{
                         {"04.05.2024", 1}, {"04.05.2024", 3}, {"18.05.2024", 1}}));
    ASSERT_EQ(ws.view.chart.points.size(), 12u);
    EXPECT_EQ(ws.view.chart.points[0].y, 2);
    EXPECT_EQ(ws.view.chart.points[1].y, 0);
    EXPECT_EQ(ws.view.chart.points[2].y, 1);
    EXPECT_EQ(ws.view.chart.points[3].y, 0);
    EXPECT_EQ(ws.view.chart.axisMaximum, 2);
    EXPECT_NE(ws.view.chart.caption.find("2 Treffer"), std::string::npos);
    // The labels show the comparison with the last draw, 25.05.: row 4 met its 7.
    EXPECT_EQ(ws.ticket.sheet.hits(3), "1");
    EXPECT_EQ(ws.ticket.sheet.hits(1), "0");
}

TEST_F(TipSearch, AThresholdThatIsNoNumberEndsTheSearchBeforeAnythingHappens) {
    ws.view.drawCaption = "earlier caption";
    ui.textAnswers = {std::string("fünf")};
    EXPECT_THROW(SpeedButton4Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.view),
                 ConversionError);
    EXPECT_EQ(ws.view.drawCaption, "earlier caption");
    EXPECT_EQ(ws.drawWindow.current.date, kDraws[0].date);
}

} // namespace
} // namespace kav::test
