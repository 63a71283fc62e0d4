// SPDX-License-Identifier: GPL-3.0-or-later
// Klickstart: a stand-in for Klickwerk, the maker's browser-automation program. It takes
// the hand-off exactly as Kavanto gives it ("START <script> ZAHL1 TEXT1 ZAHL2 TEXT2"),
// shows what arrived and, with "--log FILE", writes it to FILE as JSON. It never visits
// a broker's site.
#include "Handoff.h"
#include "QtText.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

using kav::qs;
using kav::klickstart::Handoff;

QJsonObject toJson(const Handoff& h) {
    QJsonArray arguments;
    for (const std::string& a : h.arguments)
        arguments.append(qs(a));
    QJsonArray rows;
    for (const auto& row : h.rows) {
        QJsonArray numbers;
        for (const std::string& n : row.numbers)
            numbers.append(qs(n));
        rows.append(QJsonObject{{"row", row.row}, {"numbers", numbers}, {"key", qs(row.key)}});
    }
    return {{"arguments", arguments}, {"script", qs(h.script)}, {"zahl1", qs(h.zahl1)},
            {"text1", qs(h.text1)},   {"zahl2", qs(h.zahl2)},   {"text2", qs(h.text2)},
            {"rows", rows},           {"error", qs(h.error)}};
}

// The log can hold the broker password: it is readable by the user alone.
bool writeLog(const QString& path, const Handoff& h) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return file.write(QJsonDocument(toJson(h)).toJson()) >= 0;
}

void showHandoff(const Handoff& h) {
    QDialog window;
    window.setWindowTitle(QString::fromUtf8("Klickstart – Übergabe an Klickwerk"));
    auto* form = new QFormLayout;
    const auto plain = [](const QString& text) {
        auto* label = new QLabel(text);
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    form->addRow("Click-Script:", plain(qs(h.script)));
    form->addRow("ZAHL1:", plain(qs(h.zahl1)));
    form->addRow("TEXT1:", plain(qs(h.text1)));
    form->addRow("ZAHL2:", plain(qs(h.zahl2)));
    form->addRow("TEXT2:", plain(QString(static_cast<qsizetype>(h.text2.size()), QChar(0x2022))));
    form->addRow("Argumente:", plain(QString::number(h.arguments.size())));
    auto* rows = new QPlainTextEdit;
    rows->setReadOnly(true);
    QString listing;
    for (const auto& row : h.rows) {
        listing += QString("%1. Tipp:").arg(row.row, 2);
        for (const std::string& n : row.numbers)
            listing += ' ' + qs(n).rightJustified(2);
        listing += "   Sterne: " + qs(row.key) + '\n';
    }
    rows->setPlainText(h.error.empty() ? (listing.isEmpty() ? "(keine Tipps)" : listing)
                                       : qs(h.error));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(form);
    layout->addWidget(rows, 1);
    layout->addWidget(buttons);
    window.resize(520, 360);
    window.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Klickstart");
    std::vector<std::string> arguments;
    QString log;
    bool window = true;
    // Our own options come first; everything from "START" on is the hand-off.
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--log" && i + 1 < argc)
            log = QString::fromLocal8Bit(argv[++i]);
        else if (a == "--no-window")
            window = false;
        else
            break;
    }
    for (; i < argc; ++i)
        arguments.emplace_back(argv[i]);

    const Handoff handoff = kav::klickstart::readHandoff(arguments);
    if (!log.isEmpty() && !writeLog(log, handoff))
        return 1;
    if (window)
        showHandoff(handoff);
    return handoff.error.empty() ? 0 : 2;
}
