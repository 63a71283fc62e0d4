// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/TipPrintout.h"

#include <QString>

class QPainter;
class QPagedPaintDevice;
class QRectF;
class QWidget;

namespace kav::gui {

// Paints the ticket on one page: the header with the draw date, the rows as a table (the
// five numbers in boxes, the key number apart in a round box) and the day it was printed.
// `page` is the printable area in the painter's coordinates.
void paintTicket(QPainter& painter, const QRectF& page, const TipPrintout& printout,
                 const QString& printedOn);

// Prints the ticket on `device` (a printer or a PDF writer), one page.
void printTicket(QPagedPaintDevice& device, const TipPrintout& printout, const QString& printedOn);

// "Druckvorschau…": the print preview of the ticket, from which the user prints it on a
// printer or into a PDF file.
void showPrintPreview(QWidget* parent, const TipPrintout& printout, const QString& printedOn);

} // namespace kav::gui
