// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/DrawSelection.h"

#include "draws/DrawCaption.h"
#include "support/WorkspaceFixture.h"

namespace kav::test {
namespace {

// Sunday 26.05.2024, Saturday 01.06.2024, Sunday 02.06.2024.
const std::vector<DrawRecord> kDraws{
    draw(day(2024, 5, 26), {3, 14, 25, 36, 47}, 1),
    draw(day(2024, 6, 1), {5, 12, 30, 40, 50}, 3),
    draw(day(2024, 6, 2), {1, 2, 3, 4, 54}, 0),
};

class DrawSelection : public WorkspaceTest {
protected:
    void selectFor(double date) {
        ws.drawWindow.endPicker.set(roundToDay(date));
        SpeedButton5Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    }
};

TEST(DrawCaption, VariantsDifferInTheirSpacing) {
    CurrentDraw current;
    current.take(DrawRecord::seed());
    const std::array<std::string, 7> days{"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    EXPECT_EQ(drawCaptionText(current, CaptionVariant::A, days),
              "So 06.02.05     34  42  47  48  51 R:5");
    EXPECT_EQ(drawCaptionText(current, CaptionVariant::B, days),
              "So 06.02.05    34  42  47  48  51 R:5");
    EXPECT_EQ(drawCaptionText(current, CaptionVariant::C, days),
              "So 06.02.05    34  42  47  48  51   R: 5");
}

TEST(DrawCaption, ADamagedDateStillGivesACaption) {
    CurrentDraw current;
    current.date = std::numeric_limits<double>::quiet_NaN();
    const std::array<std::string, 7> days{"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    EXPECT_EQ(drawCaptionText(current, CaptionVariant::C, days).substr(0, 11), "Sa 30.12.99");
    current.date = 1e300;
    EXPECT_FALSE(drawCaptionText(current, CaptionVariant::C, days).empty());
}

struct SelectionCase {
    const char* name;
    double endDate;
    std::size_t expected;
    int index;
    CaptionVariant variant;
};

TEST_F(DrawSelection, TakesTheFirstDrawOnOrAfterTheEndDateOrTheNewest) {
    writeDraws(kDraws);
    const SelectionCase cases[] = {
        {"before the first draw", day(2024, 5, 1), 0, 0, CaptionVariant::A},
        {"on the first draw", day(2024, 5, 26), 0, 0, CaptionVariant::A},
        {"between two draws", day(2024, 5, 29), 1, 1, CaptionVariant::B},
        {"on a middle draw", day(2024, 6, 1), 1, 1, CaptionVariant::B},
        {"on the newest draw", day(2024, 6, 2), 2, 2, CaptionVariant::C},
        {"after the newest draw", day(2024, 7, 1), 2, 2, CaptionVariant::C},
    };
    for (const SelectionCase& c : cases) {
        SCOPED_TRACE(c.name);
        selectFor(c.endDate);
        const DrawRecord& expected = kDraws[c.expected];
        EXPECT_EQ(ws.drawWindow.current.date, expected.date);
        EXPECT_EQ(ws.drawWindow.current.index, c.index);
        EXPECT_EQ(ws.drawWindow.endPicker.value, roundToDay(expected.date));
        CurrentDraw shown;
        shown.take(expected);
        EXPECT_EQ(ws.view.drawCaption, drawCaptionText(shown, c.variant, ws.view.shortDayNames));
        EXPECT_EQ(ws.view.tipDrawCaption, ws.view.drawCaption);
        EXPECT_EQ(ws.view.crossSumCaption, "Quersumme: " + std::to_string(expected.crossSum()));
    }
}

TEST_F(DrawSelection, ASingleDrawIsShownAsTheNewest) {
    writeDraws({kDraws[0]});
    selectFor(day(2024, 5, 1));
    EXPECT_EQ(ws.view.drawCaption, "So 26.05.24    3  14  25  36  47   R: 1");
    EXPECT_EQ(ws.drawWindow.current.index, 0);
}

TEST_F(DrawSelection, EvaluatesTheSheetAgainstTheSelectedDraw) {
    writeDraws(kDraws);
    setRow(0, {"50", "40", "30", "12", "5", "3"});
    selectFor(day(2024, 6, 1));
    EXPECT_EQ(ws.ticket.sheet.hits(0), "5 + R");
    EXPECT_EQ(ws.ticket.sheet.cell(0, 0), "5");
}

TEST_F(DrawSelection, AnEmptyFileShowsNothingAndEvaluatesAgainstThePreviousDraw) {
    writeDraws({});
    ws.drawWindow.current.take(kDraws[1]);
    ws.drawWindow.current.index = 5;
    ws.view.drawCaption = "before";
    setRow(0, {"5", "12", "1", "2", "4", ""});
    selectFor(day(2024, 6, 1));
    EXPECT_EQ(ws.drawWindow.current.index, 0);
    EXPECT_EQ(ws.drawWindow.current.date, kDraws[1].date);
    EXPECT_EQ(ws.view.drawCaption, "before");
    EXPECT_EQ(ws.ticket.sheet.hits(0), "2");
}

TEST_F(DrawSelection, AMissingFileIsCreatedWithTheSeedDrawAndNothingIsEvaluated) {
    setRow(0, {"34", "42", "1", "2", "4", "5"});
    SpeedButton5Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    ASSERT_EQ(storedDraws(), std::vector<DrawRecord>{DrawRecord::seed()});
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"Lesen Sie zuerst die Daten der Ziehungen ein"});
    EXPECT_EQ(ws.drawWindow.endPicker.value, ws.program.today());
    EXPECT_EQ(ws.ticket.sheet.hits(0), "");
}

} // namespace
} // namespace kav::test
