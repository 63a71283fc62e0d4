// SPDX-License-Identifier: GPL-3.0-or-later
#include "TipOverviewPage.h"
#include "TipSheetView.h"
#include "WindowFixture.h"
#include "commands/SheetEvaluation.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

using namespace kav;
using namespace kav::test;

namespace {

// A short caption (Wednesday, one-digit numbers, cross sum 15) and a long one (Saturday,
// two-digit numbers, cross sum 260).
const std::vector<DrawRecord> kDraws{
    DrawRecord::make(dayCountFromCivil({2024, 5, 29}), {1, 2, 3, 4, 5}, 0),
    DrawRecord::make(dayCountFromCivil({2024, 6, 1}), {50, 51, 52, 53, 54}, 3),
};

struct LayoutFixture : WindowFixture {
    LayoutFixture() {
        DrawFile(folder()).replace(kDraws);
        startAndShow();
    }
    gui::TipOverviewPage& page() { return *window->tipPage; }
    void resizeTo(const QSize& size) {
        window->resize(size);
        QTRY_COMPARE(window->size(), size);
        QTest::qWait(20);
    }
};

int textWidth(const QLabel* label, const QString& text) {
    return label->fontMetrics().horizontalAdvance(text);
}

} // namespace

class TipPageLayoutTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void hitsAndSumsKeepTheirOwnColumnsAtEverySize();
    void theDrawButtonsStayPutWhileSteppingThroughTheDraws();
};

// "5 + R" and a three-digit sum stand in columns of their own, apart from each other, the
// cells and the editor buttons, at the designed size, larger, and twice as high but no
// wider (the page then scrolls sideways instead of squeezing the columns together).
void TipPageLayoutTest::hitsAndSumsKeepTheirOwnColumnsAtEverySize() {
    LayoutFixture f;
    Workspace& ws = f.window->workspace();
    const std::array<std::array<const char*, 6>, 3> rows{{{"50", "51", "52", "53", "54", "3"},
                                                          {"3", "14", "25", "36", "47", "3"},
                                                          {"50", "51", "52", "1", "2", "3"}}};
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < 6; ++c)
            ws.ticket.sheet.setCell(static_cast<int>(r), static_cast<int>(c), rows[r][c]);
    f.window->runCommand([&] { Komplettcheck(ws.program, ws.ticket, ws.drawWindow); });
    gui::TipSheetView& sheet = *f.page().sheet;
    QCOMPARE(sheet.rows[0].hits->text(), QString("5 + R"));
    QCOMPARE(sheet.rows[0].sum->text(), QString("260"));

    const QSize designed = f.window->size();
    for (const QSize size : {designed, QSize(1600, 1000), QSize(900, 640),
                             QSize(designed.width(), 2 * designed.height())}) {
        f.resizeTo(size);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const gui::TipSheetView::RowWidgets& row = sheet.rows[r];
            const QRect key = row.cells[TipSheet::kKeyColumn]->geometry();
            const QRect hits = row.hits->geometry();
            const QRect sum = row.sum->geometry();
            const QString where =
                QString("%1x%2 row %3").arg(size.width()).arg(size.height()).arg(r + 1);
            QVERIFY2(hits.width() >= textWidth(row.hits, "5 + R"), qPrintable(where));
            QVERIFY2(sum.width() >= textWidth(row.sum, "270"), qPrintable(where));
            QVERIFY2(key.right() < hits.left(), qPrintable(where));
            QVERIFY2(hits.right() < sum.left(), qPrintable(where));
            QVERIFY2(sum.right() < row.editor->geometry().left(), qPrintable(where));
            // The texts themselves stay a blank apart: hits from the left, sums from the right.
            const int hitsEnd = hits.left() + textWidth(row.hits, row.hits->text());
            const int sumStart = sum.right() - textWidth(row.sum, row.sum->text());
            QVERIFY2(sumStart - hitsEnd >= textWidth(row.sum, " "), qPrintable(where));
        }
    }
}

// The caption beside the previous/next buttons keeps its width whatever draw it shows, so
// the next button (and everything right of it) does not move under the mouse.
void TipPageLayoutTest::theDrawButtonsStayPutWhileSteppingThroughTheDraws() {
    LayoutFixture f;
    gui::TipOverviewPage& page = f.page();
    for (const QSize size : {f.window->size(), QSize(1600, 1000)}) {
        f.resizeTo(size);
        const QPoint next = page.speedButton7->pos();
        const QPoint crossSum = page.crossSumLabel->pos();
        const int width = page.tipDrawCaption->width();
        QStringList captions;
        for (QToolButton* step : {page.speedButton6, page.speedButton7, page.speedButton6}) {
            QTest::mouseClick(step, Qt::LeftButton);
            QTest::qWait(10);
            captions << page.tipDrawCaption->text() + " / " + page.crossSumLabel->text();
            QCOMPARE(page.speedButton7->pos(), next);
            QCOMPARE(page.crossSumLabel->pos(), crossSum);
            QCOMPARE(page.tipDrawCaption->width(), width);
            QVERIFY(page.tipDrawCaption->width() >=
                    textWidth(page.tipDrawCaption, page.tipDrawCaption->text()));
        }
        QCOMPARE(captions.size(), 3);
        QVERIFY2(captions[0] != captions[1], qPrintable(captions.join(" | ")));
    }
}

QTEST_MAIN(TipPageLayoutTest)
#include "TipPageLayoutTest.moc"
