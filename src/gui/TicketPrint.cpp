// SPDX-License-Identifier: GPL-3.0-or-later
#include "TicketPrint.h"

#include "QtConversions.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

namespace kav::gui {
namespace {

// The page is laid out on a grid 1000 units wide; the height follows the page's shape.
constexpr double kWidth = 1000.0;
constexpr double kBox = 62.0;
constexpr double kGap = 14.0;
constexpr double kRowHeight = 84.0;

QFont fontOf(double size, bool bold = false) {
    QFont font("Arial");
    font.setPixelSize(static_cast<int>(size));
    font.setBold(bold);
    return font;
}

void numberBox(QPainter& painter, const QRectF& box, int value, bool round) {
    painter.setPen(QPen(Qt::black, 2.5));
    painter.setBrush(round ? QColor(255, 236, 160) : Qt::white);
    if (round)
        painter.drawEllipse(box);
    else
        painter.drawRoundedRect(box, 6, 6);
    painter.setFont(fontOf(30, true));
    painter.drawText(box, Qt::AlignCenter, QString::number(value));
}

} // namespace

void paintTicket(QPainter& painter, const QRectF& page, const TipPrintout& printout,
                 const QString& printedOn) {
    painter.save();
    const double scale = page.width() / kWidth;
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    const double height = page.height() / scale;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    painter.setPen(Qt::black);
    painter.setFont(fontOf(40, true));
    const QRectF title(0, 0, kWidth, 60);
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, qs(printout.header));
    painter.setPen(QPen(Qt::black, 3));
    painter.drawLine(QPointF(0, 72), QPointF(kWidth, 72));

    // Column heads, then one line per printed row.
    const double labelWidth = 150;
    const double keyLeft = labelWidth + 5 * (kBox + kGap) + 3 * kGap;
    double y = 110;
    painter.setPen(Qt::darkGray);
    painter.setFont(fontOf(22));
    for (int i = 0; i < 5; ++i)
        painter.drawText(QRectF(labelWidth + i * (kBox + kGap), y, kBox, 30), Qt::AlignCenter,
                         QString::number(i + 1));
    painter.drawText(QRectF(keyLeft - 40, y, kBox + 80, 30), Qt::AlignCenter, qs(printout.keyWord));
    y += 40;

    if (printout.rows.empty()) {
        painter.setPen(Qt::black);
        painter.setFont(fontOf(26));
        painter.drawText(QRectF(0, y, kWidth, 60), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromUtf8("Der Tippschein enthält keine ausgefüllte Reihe."));
    }
    for (const PrintedRow& row : printout.rows) {
        painter.setPen(Qt::black);
        painter.setFont(fontOf(28));
        painter.drawText(QRectF(0, y, labelWidth - kGap, kBox), Qt::AlignRight | Qt::AlignVCenter,
                         QString("%1. %2").arg(row.row).arg(qs(printout.tipWord)));
        for (std::size_t i = 0; i < row.numbers.size(); ++i)
            numberBox(painter,
                      QRectF(labelWidth + static_cast<double>(i) * (kBox + kGap), y, kBox, kBox),
                      row.numbers[i], false);
        numberBox(painter, QRectF(keyLeft, y, kBox, kBox), row.key, true);
        y += kRowHeight;
    }

    painter.setPen(QPen(Qt::gray, 1.5));
    const double footer = std::max(y + 40, height - 40);
    painter.drawLine(QPointF(0, footer - 10), QPointF(kWidth, footer - 10));
    painter.setPen(Qt::darkGray);
    painter.setFont(fontOf(20));
    painter.drawText(QRectF(0, footer, kWidth, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     "Gedruckt am " + printedOn);
    painter.drawText(QRectF(0, footer, kWidth, 30), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromUtf8("Velmors Quotenfuchs für Kavanto"));
    painter.restore();
}

void printTicket(QPagedPaintDevice& device, const TipPrintout& printout, const QString& printedOn) {
    QPainter painter(&device);
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    paintTicket(painter, QRectF(QPointF(0, 0), page.size()), printout, printedOn);
}

void showPrintPreview(QWidget* parent, const TipPrintout& printout, const QString& printedOn) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    printer.setDocName("Tipp");
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName("PrintPreview");
    preview.setWindowTitle(QString::fromUtf8("Druckvorschau – ") + qs(printout.header));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { printTicket(*target, printout, printedOn); });
    preview.exec();
}

} // namespace kav::gui
