// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "QtText.h"
#include "app/Workspace.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <iosfwd>

namespace kav::cli {

// {"row":R,"cells":[C1..C5,KEY],"hits":TEXT,"sum":TEXT,"locked":BOOL}, R = 1..12.
QJsonObject rowJson(const Workspace& ws, int row);
QJsonArray rowsJson(const Workspace& ws);
// {"index":I,"date":D,"numbers":[...],"key":K,"caption":TEXT}
QJsonObject currentDrawJson(const Workspace& ws);
// [{"index":0,"date":"06.02.2005","numbers":[...],"key":5}, ...]
QJsonArray drawsJson(const DrawSnapshot& draws);

// The readable forms of the same content.
void printSheet(std::ostream& out, const Workspace& ws);
void printCurrentDraw(std::ostream& out, const Workspace& ws);
void printDraws(std::ostream& out, const DrawSnapshot& draws);

} // namespace kav::cli
