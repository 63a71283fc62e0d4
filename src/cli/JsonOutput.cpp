// SPDX-License-Identifier: GPL-3.0-or-later
#include "JsonOutput.h"

#include <iomanip>
#include <ostream>

namespace kav::cli {
namespace {

std::string dateText(double date) {
    return formatShortDate(wholeDayOf(date));
}

} // namespace

QJsonObject rowJson(const Workspace& ws, int row) {
    QJsonArray cells;
    for (int c = 0; c < TipSheet::kColumns; ++c)
        cells.append(qs(ws.ticket.sheet.cell(row, c)));
    return QJsonObject{{"row", row + 1},
                       {"cells", cells},
                       {"hits", qs(ws.ticket.sheet.hits(row))},
                       {"sum", qs(ws.ticket.sheet.sum(row))},
                       {"locked", ws.ticket.sheet.locked(row)}};
}

QJsonArray rowsJson(const Workspace& ws) {
    QJsonArray rows;
    for (int r = 0; r < TipSheet::kRows; ++r)
        rows.append(rowJson(ws, r));
    return rows;
}

QJsonObject currentDrawJson(const Workspace& ws) {
    QJsonArray numbers;
    for (int i = 0; i < kNumbersPerDraw; ++i)
        numbers.append(ws.drawWindow.current.number(i));
    return QJsonObject{{"index", ws.drawWindow.current.index},
                       {"date", qs(dateText(ws.drawWindow.current.date))},
                       {"numbers", numbers},
                       {"key", ws.drawWindow.current.key()},
                       {"caption", qs(ws.view.drawCaption)}};
}

QJsonArray drawsJson(const DrawSnapshot& draws) {
    QJsonArray list;
    int index = 0;
    for (const DrawRecord& r : draws.records) {
        QJsonArray numbers;
        for (int i = 0; i < kNumbersPerDraw; ++i)
            numbers.append(r.number(i));
        list.append(QJsonObject{{"index", index++},
                                {"date", qs(dateText(r.date))},
                                {"numbers", numbers},
                                {"key", r.key()}});
    }
    return list;
}

void printSheet(std::ostream& out, const Workspace& ws) {
    for (int r = 0; r < TipSheet::kRows; ++r) {
        out << std::setw(2) << r + 1 << ". Tipp" << (ws.ticket.sheet.locked(r) ? "*" : " ");
        for (int c = 0; c < TipSheet::kColumns; ++c)
            out << (c == TipSheet::kKeyColumn ? "  R:" : "") << std::setw(4)
                << ws.ticket.sheet.cell(r, c);
        out << "   Treffer: " << ws.ticket.sheet.hits(r) << "   Summe: " << ws.ticket.sheet.sum(r)
            << '\n';
    }
}

void printCurrentDraw(std::ostream& out, const Workspace& ws) {
    out << "Ziehung " << ws.drawWindow.current.index << ": " << ws.view.drawCaption << '\n';
}

void printDraws(std::ostream& out, const DrawSnapshot& draws) {
    int index = 0;
    for (const DrawRecord& r : draws.records) {
        out << std::setw(5) << index++ << "  " << dateText(r.date) << " ";
        for (int i = 0; i < kNumbersPerDraw; ++i)
            out << std::setw(4) << r.number(i);
        out << "   R: " << r.key() << '\n';
    }
}

} // namespace kav::cli
