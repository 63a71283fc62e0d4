// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the README's user guide, as the program draws them: every page over a
// 1,100-draw history with a calculated ticket, the first start's progress dialog and the
// draw entry dialog. Written to $KAVANTO_SCREENSHOT_DIR; skipped without it.
#include "BenchHistory.h"
#include "ChartPage.h"
#include "DatabasePage.h"
#include "DrawService.h"
#include "LoEingab.h"
#include "TipOverviewPage.h"
#include "WindowFixture.h"
#include "draws/DrawFile.h"
#include "draws/DrawServiceProtocol.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace kav;
using namespace kav::test;

namespace {

QString screenshotFolder() {
    return QString::fromUtf8(qgetenv("KAVANTO_SCREENSHOT_DIR"));
}

void save(QWidget& widget, const QString& name) {
    QTest::qWait(50);
    QVERIFY2(widget.grab().save(screenshotFolder() + "/" + name), qPrintable(name));
}

// The window over the benchmarks' 1,100-draw history, as a user who has kept it for years.
void startOverHistory(WindowFixture& f) {
    DrawFile(f.folder()).replace(bench::randomWeeklyDraws(bench::kHistory));
    f.startAndShow();
}

} // namespace

class PageScreenshotsTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void init() {
        if (screenshotFolder().isEmpty())
            QSKIP("KAVANTO_SCREENSHOT_DIR is not set");
    }

    void everyPageWithACalculatedTicket() {
        WindowFixture f(bench::newestDrawDay() + 3);
        startOverHistory(f);
        f.window->resize(900, 640);
        f.window->workspace().run.random.setSeed(815);
        QTest::mouseClick(f.window->tipPage->bitBtn4, Qt::LeftButton);
        QVERIFY(!f.window->workspace().ticket.sheet.cell(0, 0).empty());
        QVERIFY(f.ui->errors.empty());
        // The Internet page shows the service address a user sees, not the test's.
        f.window->workspace().options.drawServiceUrl = kDefaultDrawServiceUrl;
        f.window->syncFromWorkspace();
        const char* names[] = {"page-tips.png", "page-calculation.png", "page-chart.png",
                               "page-database.png", "page-internet.png"};
        for (int page = 0; page < 5; ++page) {
            f.window->pageControl->setCurrentIndex(page);
            // The calculation left its last statistic on the chart; the guide shows the
            // number distribution, the chart a user opens first.
            if (page == static_cast<int>(Page::Chart))
                QTest::mouseClick(f.window->chartPage->speedButton2, Qt::LeftButton);
            save(*f.window, names[page]);
        }
    }

    void firstStartProgressDialog() {
        const DayCount today = dayCountFromCivil({2005, 12, 31});
        drawservice::ServiceOptions options;
        options.port = 0;
        options.delayMs = 40;
        options.today = [today] { return today; };
        drawservice::DrawService service(drawservice::DrawHistory::demo(), options);
        service.start();
        WindowFixture f(today);
        f.serviceUrl = service.url();
        f.recreate();
        bool saved = false;
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = f.window->findChild<QProgressDialog*>();
            if (!saved && dialog && dialog->isVisible() && dialog->value() > 3) {
                saved = dialog->grab().save(screenshotFolder() + "/first-start.png");
                QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton); // "Stopp"
            }
        });
        poll.start();
        f.startAndShow();
        poll.stop();
        QVERIFY(saved);
    }

    void drawEntryDialog() {
        WindowFixture f(bench::newestDrawDay() + 3);
        startOverHistory(f);
        f.ui->realDrawEntryDialog = true;
        f.window->pageControl->setCurrentIndex(static_cast<int>(Page::Database));
        bool saved = false;
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<gui::TForm3*>(QApplication::activeModalWidget())) {
                poll.stop();
                QTest::qWait(50);
                saved = dialog->grab().save(screenshotFolder() + "/draw-entry.png");
                QTest::mouseClick(dialog->abortButton, Qt::LeftButton);
            }
        });
        poll.start();
        QTest::mouseClick(f.window->databasePage->entryButton, Qt::LeftButton);
        QVERIFY(saved);
    }
};

QTEST_MAIN(PageScreenshotsTest)
#include "PageScreenshotsTest.moc"
