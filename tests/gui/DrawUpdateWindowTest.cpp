// SPDX-License-Identifier: GPL-3.0-or-later
// The internet update, the rebuild and the CSV commands in the window, against the real
// draw-data service on 127.0.0.1.
#include "DatabasePage.h"
#include "DrawService.h"
#include "InternetPage.h"
#include "TipOverviewPage.h"
#include "WindowFixture.h"
#include "base/SettingsValues.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <fstream>
#include <iterator>

using namespace kav;
using namespace kav::test;
using drawservice::DrawHistory;
using drawservice::DrawService;

namespace {

// The demo service, its today being the window's.
std::unique_ptr<DrawService> demoService(DayCount today, int delayMs = 0) {
    drawservice::ServiceOptions options;
    options.port = 0;
    options.delayMs = delayMs;
    options.today = [today] { return today; };
    auto service = std::make_unique<DrawService>(DrawHistory::demo(), options);
    service->start();
    return service;
}

std::vector<DrawRecord> storedDraws(const WindowFixture& f) {
    return DrawFile(f.folder()).readAll().records;
}

DrawRecord demo(int y, int m, int d) {
    return DrawHistory::demoDraw(dayCountFromCivil({y, m, d}));
}

void writeDraws(const WindowFixture& f, const std::vector<DrawRecord>& records) {
    DrawFile(f.folder()).replace(records);
}

} // namespace

class DrawUpdateWindowTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void firstStartFillsAnEmptyProgramFolderFromTheService();
    void theFirstStartsUpdateStopsFromItsProgressDialog();
    void stopButtonEndsTheUpdateWhileTheWindowStaysResponsive();
    void closingTheWindowEndsTheUpdate();
    void rebuildWithoutAServiceKeepsTheOldDraws();
    void aMessageBoxShowsTextNeverMarkup();
    void csvImportAndExportButtons();
    void serviceAddressFieldIsASetting();
};

void DrawUpdateWindowTest::firstStartFillsAnEmptyProgramFolderFromTheService() {
    const DayCount today = dayCountFromCivil({2005, 2, 27});
    const auto service = demoService(today, 30);
    WindowFixture f(today);
    f.serviceUrl = service->url();
    f.recreate();
    // Before the window shows, a progress dialog with a stop button tells what happens.
    QString progressLabel;
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = f.window->findChild<QProgressDialog*>(); dialog && dialog->isVisible())
            progressLabel = dialog->labelText();
    });
    poll.start();
    f.startAndShow();
    poll.stop();
    QVERIFY2(progressLabel.startsWith("Ziehungsdaten werden vom Ziehungsdienst geladen: "),
             qPrintable(progressLabel));
    QTRY_VERIFY(!f.window->findChild<QProgressDialog*>());
    QCOMPARE(f.ui->messages,
             std::vector<std::string>{"Lesen Sie zuerst die Daten der Ziehungen ein"});
    QCOMPARE(service->requestedDates(),
             (std::vector<std::string>{"20050212", "20050213", "20050219", "20050220", "20050226",
                                       "20050227"}));
    QCOMPARE(storedDraws(f), (std::vector<DrawRecord>{DrawRecord::seed(), demo(2005, 2, 13),
                                                      demo(2005, 2, 20), demo(2005, 2, 27)}));
    gui::TForm1& w = *f.window;
    QVERIFY(w.databasePage->drawCaption->text().contains("27.02.05"));
    QCOMPARE(w.tipPage->tipDrawCaption->text(), w.databasePage->drawCaption->text());
    QCOMPARE(w.statusPanel0->text(), QString("OK"));
    QCOMPARE(w.statusPanel1->text(), QString("Keine Gewähr für die Richtigkeit der Zahlen!"));
    QVERIFY(w.databasePage->stopButton->isHidden());
    QVERIFY(w.databasePage->updateButton->isEnabled());
    QVERIFY(w.actionZiehungsdatenLaden->isEnabled());
    QVERIFY(f.ui->errors.empty());
}

void DrawUpdateWindowTest::theFirstStartsUpdateStopsFromItsProgressDialog() {
    const DayCount today = dayCountFromCivil({2005, 12, 31});
    const auto service = demoService(today, 30);
    WindowFixture f(today);
    f.serviceUrl = service->url();
    f.recreate();
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = f.window->findChild<QProgressDialog*>(); dialog && dialog->isVisible())
            QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton); // "Stopp"
    });
    poll.start();
    f.startAndShow();
    poll.stop();
    QVERIFY(service->requestedDates().size() < 5);
    QVERIFY(!storedDraws(f).empty());
    QVERIFY(f.window->isVisible());
}

void DrawUpdateWindowTest::stopButtonEndsTheUpdateWhileTheWindowStaysResponsive() {
    const DayCount today = dayCountFromCivil({2005, 6, 30});
    const auto service = demoService(today, 60);
    WindowFixture f(today);
    f.serviceUrl = service->url();
    f.recreate();
    writeDraws(f, {DrawRecord::seed()});
    f.startAndShow();
    gui::TForm1& w = *f.window;
    w.pageControl->setCurrentIndex(3);

    // No update starts inside a generator run, which processes input between attempts.
    w.workspace().run.running = true;
    QTest::mouseClick(w.databasePage->updateButton, Qt::LeftButton);
    w.actionZiehungsdatenLaden->trigger();
    QVERIFY(service->requestedDates().empty());
    w.workspace().run.running = false;

    // While the update runs: its state shows, the writers are disabled, a second start
    // does nothing, and the stop button ends it before the next request.
    bool sawRunningState = false;
    std::size_t requestedAtStop = 0;
    // Once the second request waits at the service: the window processes input meanwhile.
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, [&] {
        if (service->requestedDates().size() < 2)
            return;
        poll.stop();
        sawRunningState =
            w.databasePage->stopButton->isVisible() && !w.databasePage->updateButton->isEnabled() &&
            !w.tipPage->updateButton->isEnabled() && !w.actionZiehungsdatenLaden->isEnabled() &&
            !w.databasePage->rebuildButton->isEnabled() &&
            !w.databasePage->entryButton->isEnabled() &&
            !w.databasePage->deleteButton->isEnabled() &&
            !w.databasePage->importButton->isEnabled();
        w.actionZiehungsdatenLaden->trigger(); // disabled: nothing
        requestedAtStop = service->requestedDates().size();
        QTest::mouseClick(w.databasePage->stopButton, Qt::LeftButton);
    });
    poll.start();
    QTest::mouseClick(w.databasePage->updateButton, Qt::LeftButton); // returns when it ends
    QVERIFY(sawRunningState);
    QVERIFY(requestedAtStop >= 2);
    QCOMPARE(service->requestedDates().size(), requestedAtStop);
    QVERIFY(storedDraws(f).size() < 10); // far from 30.06.2005
    QVERIFY(w.databasePage->stopButton->isHidden());
    QVERIFY(w.databasePage->updateButton->isEnabled());
    QVERIFY(w.databasePage->entryButton->isEnabled());
    QVERIFY(w.actionZiehungsdatenLaden->isEnabled());
    QVERIFY(f.ui->messages.empty());
    QVERIFY(f.ui->errors.empty());

    // The tip page's button goes on from the newest stored draw, to today.
    QTest::mouseClick(w.tipPage->updateButton, Qt::LeftButton);
    QCOMPARE(storedDraws(f).back(), demo(2005, 6, 26));
}

void DrawUpdateWindowTest::closingTheWindowEndsTheUpdate() {
    const DayCount today = dayCountFromCivil({2005, 12, 31});
    const auto service = demoService(today, 200);
    WindowFixture f(today);
    f.serviceUrl = service->url();
    f.recreate();
    writeDraws(f, {DrawRecord::seed()});
    f.startAndShow();
    QTimer poll;
    poll.setInterval(5);
    connect(&poll, &QTimer::timeout, [&] {
        if (!service->requestedDates().empty()) {
            poll.stop();
            f.window->close(); // cancels the request that waits at the service
        }
    });
    poll.start();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(f.window->databasePage->updateButton, Qt::LeftButton);
    QVERIFY(clock.elapsed() < 2000);
    QCOMPARE(service->requestedDates().size(), std::size_t{1});
    QCOMPARE(storedDraws(f), std::vector<DrawRecord>{DrawRecord::seed()});
    QVERIFY(!f.window->workspace().run.updateRunning);
    QVERIFY(std::filesystem::exists(f.settingsFile())); // closing saved the settings
}

void DrawUpdateWindowTest::rebuildWithoutAServiceKeepsTheOldDraws() {
    WindowFixture f;
    const std::vector<DrawRecord> old{DrawRecord::seed(),
                                      DrawRecord::make(kMinimumPickerDate + 7, {1, 2, 3, 4, 5}, 6)};
    writeDraws(f, old);
    f.startAndShow();
    f.ui->yesNoAnswers = {true};
    QTest::mouseClick(f.window->databasePage->rebuildButton, Qt::LeftButton);
    QCOMPARE(f.ui->questions.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(f.ui->questions[0]).startsWith("Wollen Sie wirklich"));
    QCOMPARE(storedDraws(f), old);
    QVERIFY(!std::filesystem::exists(f.folder() / "ZahlenKav.bak"));
    QCOMPARE(f.ui->messages.size(), std::size_t{2});
    QVERIFY(QString::fromStdString(f.ui->messages[0]).contains("antwortet nicht"));
    QVERIFY(QString::fromStdString(f.ui->messages[1]).contains("wiederhergestellt"));
    QVERIFY(f.window->databasePage->drawCaption->text().contains("  1  2  3  4  5"));
}

void DrawUpdateWindowTest::aMessageBoxShowsTextNeverMarkup() {
    gui::GuiInteraction ui;
    QWidget owner;
    ui.attach(&owner, {});
    QString shownText;
    Qt::TextFormat format = Qt::RichText;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shownText = box->text();
        format = box->textFormat();
        box->accept();
    });
    ui.showMessage("Mitteilung\r\n<b>fett</b> & <a href='x'>Link</a>", "");
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(shownText, QString("Mitteilung\r\n<b>fett</b> & <a href='x'>Link</a>"));
}

void DrawUpdateWindowTest::csvImportAndExportButtons() {
    WindowFixture f;
    writeDraws(f, {DrawRecord::seed()});
    f.startAndShow();
    const auto csv = f.folder() / "draws.csv";
    std::ofstream(csv, std::ios::binary) << "Datum;Z1;Z2;Z3;Z4;Z5;Clave\r\n"
                                            "06.02.2005;1;2;3;4;5;6\r\n"
                                            "13.02.2005;5;17;23;40;51;3\r\n";
    f.ui->fileAnswers = {csv};
    f.ui->yesNoAnswers = {false}; // keep the stored 06.02.2005
    QTest::mouseClick(f.window->databasePage->importButton, Qt::LeftButton);
    QCOMPARE(f.ui->questions.size(), std::size_t{1});
    QCOMPARE(f.ui->messages.back(),
             std::string(
                 "Import aus draws.csv:\n1 neu, 0 unverändert, 1 abweichend (nicht übernommen)."));
    const std::vector<DrawRecord> expected{
        DrawRecord::seed(), DrawRecord::make(kMinimumPickerDate + 7, {5, 17, 23, 40, 51}, 3)};
    QCOMPARE(storedDraws(f), expected);
    QVERIFY(f.window->databasePage->drawCaption->text().contains("13.02.05"));

    const auto out = f.folder() / "out.csv";
    f.ui->fileAnswers = {out};
    QTest::mouseClick(f.window->databasePage->exportButton, Qt::LeftButton);
    QCOMPARE(f.ui->fileRequests.back().defaultExtension, std::string("csv"));
    std::ifstream in(out, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    QCOMPARE(text, std::string("date,n1,n2,n3,n4,n5,key\r\n2005-02-06,34,42,47,48,51,5\r\n"
                               "2005-02-13,5,17,23,40,51,3\r\n"));
    QVERIFY(f.ui->errors.empty());
}

void DrawUpdateWindowTest::serviceAddressFieldIsASetting() {
    WindowFixture f;
    f.serviceUrl.clear(); // the stored setting, not the fixture's
    std::filesystem::create_directories(f.settingsFile().parent_path());
    QVERIFY(writeSettingsFile(f.settingsFile(),
                              {{"DrawServiceUrl", SettingValue::ofText("http://127.0.0.1:1")}}));
    f.recreate();
    auto* field = f.window->findChild<QLineEdit*>("DrawServiceUrlEdit");
    QVERIFY(field);
    QCOMPARE(field->text(), QString("http://127.0.0.1:1"));
    field->selectAll();
    QTest::keyClicks(field, "http://draws.example:9000");
    QCOMPARE(f.window->workspace().options.drawServiceUrl,
             std::string("http://draws.example:9000"));
    f.window->close();
    QCOMPARE(readSettingsFile(f.settingsFile()).at("DrawServiceUrl"),
             SettingValue::ofText("http://draws.example:9000"));
}

QTEST_MAIN(DrawUpdateWindowTest)
#include "DrawUpdateWindowTest.moc"
