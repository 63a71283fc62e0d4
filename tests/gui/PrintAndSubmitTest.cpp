// SPDX-License-Identifier: GPL-3.0-or-later
// The tip page's printout, print preview and online submission in the real window.
#include "LottoZahlen.h"
#include "Scriptwahl.h"
#include "TicketPrint.h"
#include "TipOverviewPage.h"
#include "WindowFixture.h"
#include "base/SettingsValues.h"
#include "output/ClickScript.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTcpServer>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <fstream>
#include <functional>
#include <iterator>

using namespace kav;
using namespace kav::test;

namespace {

const std::vector<DrawRecord> kDraws{
    DrawRecord::make(dayCountFromCivil({2024, 5, 25}), {5, 12, 30, 40, 50}, 3),
    DrawRecord::make(dayCountFromCivil({2024, 6, 1}), {1, 2, 3, 4, 54}, 0),
};

// Runs `drive` on the first modal window of type Dialog as soon as it shows.
template <typename Dialog> void whenModal(std::function<void(Dialog&)> drive) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, drive] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            drive(*dialog);
        }
    });
    poll->start();
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Pixels dark enough to be ink, within `area`.
int inkPixels(const QImage& image, QRect area = {}) {
    if (area.isNull())
        area = image.rect();
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    return ink;
}

// The paper in a picture of the print preview: the white pixels' bounding box, without its
// edge (the frame and shadow around the page are not ink).
QRect paperOf(const QImage& shot) {
    QRect paper;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) == qRgb(255, 255, 255))
                paper |= QRect(x, y, 1, 1);
    return paper.adjusted(4, 4, -4, -4);
}

// The ticket on an A4 page of `dpi` dots per inch with 2 cm margins.
QImage paintedTicket(const TipPrintout& printout, int dpi = 50) {
    const auto dots = [dpi](double mm) { return static_cast<int>(mm / 25.4 * dpi); };
    QImage page(dots(210), dots(297), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    gui::paintTicket(painter, QRectF(dots(20), dots(20), dots(170), dots(257)), printout,
                     "03.06.2024");
    return page;
}

// A window over two draws, a filled sheet, Klickwerk "installed" and one template.
struct SubmitFixture : WindowFixture {
    SubmitFixture() {
        DrawFile(folder()).replace(kDraws);
        startAndShow();
        Workspace& ws = window->workspace();
        const std::array<const char*, 6> row{"5", "12", "23", "34", "45", "3"};
        for (int c = 0; c < 6; ++c)
            ws.ticket.sheet.setCell(0, c, row[static_cast<std::size_t>(c)]);
        QTcpServer probe; // the script server is a port where nothing listens
        probe.listen(QHostAddress::LocalHost);
        ws.options.scriptServer = "http://127.0.0.1:" + std::to_string(probe.serverPort());
        window->syncFromWorkspace();

        std::filesystem::create_directories(klickwerk);
        std::ofstream(klickwerk / "Klickstart") << "";
        std::filesystem::create_directories(folder() / "Script");
        std::ofstream(templateFile(), std::ios::binary) << "TIPP 1 = [Z1_1] [Z2_1] STERN [Z6_1]\n";
        SettingsValues values;
        values["Path"] = SettingValue::ofText(klickwerk.string());
        writeSettingsFile(klickwerkStore(), values);
    }
    std::filesystem::path templateFile() const { return folder() / "Script" / "Beispiel.vks"; }
    std::filesystem::path klickwerkStore() const {
        return folder() / "settings" / "Klickwerk.conf";
    }
    std::string stored(const std::string& name) const {
        const SettingsValues values = readSettingsFile(klickwerkStore());
        const auto it = values.find(name);
        return it == values.end() ? "<missing>" : it->second.text;
    }

    std::filesystem::path klickwerk = folder() / "Klickwerk";
};

} // namespace

class PrintAndSubmitTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void printButtonWritesTippTxtAndOpensIt();
    void printPreviewShowsAndRendersTheTicket();
    void ticketPaintsRowsAndPrintsToPdf();
    void submitButtonFillsTheScriptAndStartsKlickwerk();
    void menuEntryOpensTheSameDialogAndCancelLeavesEverything();
    void withoutKlickwerkOnlyTheInstallPromptShows();
};

void PrintAndSubmitTest::printButtonWritesTippTxtAndOpensIt() {
    SubmitFixture f;
    QVERIFY(f.window->tipPage->bitBtn7->isEnabled());
    QTest::mouseClick(f.window->tipPage->bitBtn7, Qt::LeftButton);
    const auto file = f.folder() / "Tipp.txt";
    QCOMPARE(readBytes(file), "Velmors Lotto-Tipp f\xFCr 08.06.2024\r\n" + std::string(46, '~') +
                                  "\r\n\r\n 1. Tipp:  5   12   23   34   45   Sterne:  3\r\n");
    QCOMPARE(f.ui->opened, std::vector<std::string>{file.string()});
    QVERIFY(f.ui->errors.empty());
}

void PrintAndSubmitTest::printPreviewShowsAndRendersTheTicket() {
    SubmitFixture f;
    QCOMPARE(f.window->tipPage->previewButton->shortcut(), QKeySequence(QKeySequence::Print));
    int pages = 0;
    int ink = 0;
    whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog& preview) {
        auto* widget = preview.findChild<QPrintPreviewWidget*>();
        QVERIFY(widget);
        widget->updatePreview();
        QApplication::processEvents();
        pages = widget->pageCount();
        const QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ink = inkPixels(shot, paperOf(shot));
        preview.reject();
    });
    QTest::mouseClick(f.window->tipPage->previewButton, Qt::LeftButton);
    QCOMPARE(pages, 1);
    QVERIFY2(ink > 50, qPrintable(QString("ink pixels: %1").arg(ink)));
    QVERIFY(f.ui->errors.empty());
}

void PrintAndSubmitTest::ticketPaintsRowsAndPrintsToPdf() {
    WindowFixture f;
    Workspace& ws = f.window->workspace();
    ws.drawWindow.current.date = dayCountFromCivil({2024, 6, 1});
    const TipPrintout empty =
        makeTipPrintout(ws.ticket.sheet, ws.program.messages, ws.drawWindow.current.date);
    for (int r : {0, 4, 11})
        for (int c = 0; c < 6; ++c)
            ws.ticket.sheet.setCell(r, c, std::to_string(c < 5 ? c + r + 1 : r % 10));
    const TipPrintout three =
        makeTipPrintout(ws.ticket.sheet, ws.program.messages, ws.drawWindow.current.date);
    const int inkEmpty = inkPixels(paintedTicket(empty));
    QVERIFY(inkEmpty > 0); // the header and the footer
    QVERIFY(inkPixels(paintedTicket(three)) > inkEmpty + 500);
    // $KAVANTO_SCREENSHOT_DIR/ticket.png shows the printed page.
    if (const QByteArray shots = qgetenv("KAVANTO_SCREENSHOT_DIR"); !shots.isEmpty())
        QVERIFY(paintedTicket(three, 100).save(QString::fromUtf8(shots) + "/ticket.png"));

    QTemporaryDir dir;
    const QString pdf = dir.filePath("Tipp.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        gui::printTicket(writer, three, "03.06.2024");
    }
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.size() > 2000);
}

void PrintAndSubmitTest::submitButtonFillsTheScriptAndStartsKlickwerk() {
    SubmitFixture f;
    QStringList listed;
    QString shownScript;
    bool passwordHidden = false;
    whenModal<gui::TVKSForm>([&](gui::TVKSForm& d) {
        for (int i = 0; i < d.labeledEdit1->count(); ++i)
            listed << d.labeledEdit1->itemText(i);
        shownScript = d.labeledEdit1->currentText();
        passwordHidden = d.labeledEdit5->echoMode() == QLineEdit::Password;
        QCOMPARE(d.windowTitle(), QString::fromUtf8("Script für Zahlenübergabe auswählen!"));
        d.labeledEdit2->clear();
        d.labeledEdit4->setText("anna");
        d.labeledEdit5->setText("geheim");
        if (const QByteArray shots = qgetenv("KAVANTO_SCREENSHOT_DIR"); !shots.isEmpty())
            d.grab().save(QString::fromUtf8(shots) + "/click-script-dialog.png");
        QTest::mouseClick(d.bitBtn2, Qt::LeftButton);
    });
    QVERIFY(f.window->tipPage->submitButton->isEnabled());
    QTest::mouseClick(f.window->tipPage->submitButton, Qt::LeftButton);

    QVERIFY2(f.ui->errors.empty(), f.ui->errors.empty() ? "" : f.ui->errors[0].c_str());
    const QString templatePath = QString::fromStdString(f.templateFile().string());
    QCOMPARE(listed, QStringList{templatePath});
    QCOMPARE(shownScript, templatePath);
    QVERIFY(passwordHidden);

    // The picker stands on the newest draw, 01.06.2024: the tip file is named a week on;
    // the script after today.
    const auto tipFile = f.folder() / "Tipps" / "20240608.hlt";
    const auto script = f.folder() / "Tipps" / "20240602.vks";
    QCOMPARE(readBytes(tipFile), std::string("5,12,23,34,45,3\r\n"));
    QCOMPARE(readBytes(script), std::string("TIPP 1 = 5 12 STERN 3\r\n"));
    QCOMPARE(f.ui->started.size(), std::size_t{1});
    QCOMPARE(f.ui->started[0].program, f.klickwerk / "Klickstart");
    QCOMPARE(f.ui->started[0].arguments,
             (std::vector<std::string>{"START", script.string(), "0", "anna", "0", "geheim"}));
    QCOMPARE(f.stored("KavantoZahl1"), std::string("0"));
    QCOMPARE(f.stored("KavantoText1"), std::string("anna"));
    QCOMPARE(f.stored("KavantoText2"), std::string("<missing>"));
    // No keychain in the test: the user is told that the password is kept for this run.
    QCOMPARE(f.ui->messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(f.ui->messages[0]).contains("TEXT2"));
}

void PrintAndSubmitTest::menuEntryOpensTheSameDialogAndCancelLeavesEverything() {
    SubmitFixture f;
    const std::string storeBefore = readBytes(f.klickwerkStore());
    const auto chosen = f.folder() / "Script" / "Anders.vks";
    f.ui->fileAnswers.push_back(chosen);
    QString browsed;
    whenModal<gui::TVKSForm>([&](gui::TVKSForm& d) {
        QTest::mouseClick(d.bitBtn1, Qt::LeftButton);
        browsed = d.labeledEdit1->currentText();
        QTest::mouseClick(d.bitBtn3, Qt::LeftButton);
    });
    QVERIFY(f.window->actionAbgeben->isEnabled());
    f.window->actionAbgeben->trigger();

    QCOMPARE(browsed, QString::fromStdString(chosen.string()));
    QCOMPARE(f.ui->fileRequests.size(), std::size_t{1});
    QCOMPARE(f.ui->fileRequests[0].initialFolder, f.folder() / "Script");
    QCOMPARE(f.ui->fileRequests[0].filter, std::string(kClickScriptFilter));
    QCOMPARE(readBytes(f.klickwerkStore()), storeBefore);
    QVERIFY(f.ui->started.empty());
    QVERIFY(!std::filesystem::exists(f.folder() / "Tipps"));
}

void PrintAndSubmitTest::withoutKlickwerkOnlyTheInstallPromptShows() {
    SubmitFixture f;
    std::filesystem::remove(f.klickwerk / "Klickstart");
    QTest::mouseClick(f.window->tipPage->submitButton, Qt::LeftButton);
    QCOMPARE(f.ui->questions, std::vector<std::string>{"Velmors Klickwerk installieren?"});
    QVERIFY(f.ui->opened.empty()); // answered No
    QVERIFY(f.ui->started.empty());
    QVERIFY(f.ui->errors.empty());
}

QTEST_MAIN(PrintAndSubmitTest)
#include "PrintAndSubmitTest.moc"
