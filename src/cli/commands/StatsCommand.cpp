// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliCommands.h"
#include "JsonOutput.h"
#include "commands/StatisticCommands.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <algorithm>
#include <array>
#include <cstdio>
#include <iomanip>
#include <ostream>

namespace kav::cli {
namespace {

struct StatisticKind {
    const char* name;
    void (*run)(Workspace& ws);
};

// The statistics by the names the tool takes, each run as its button runs it.
const std::array<StatisticKind, 9> kKinds{{
    {"numbers",
     [](Workspace& ws) {
         SpeedButton2Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
     }},
    {"overdue",
     [](Workspace& ws) { Button5Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view); }},
    {"sums",
     [](Workspace& ws) {
         SpeedButton9Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
     }},
    {"pairs",
     [](Workspace& ws) { Button2Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view); }},
    {"triples",
     [](Workspace& ws) { Button3Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view); }},
    {"quads",
     [](Workspace& ws) { Button4Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view); }},
    {"keys",
     [](Workspace& ws) {
         SpeedButton3Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
     }},
    {"keys-overdue",
     [](Workspace& ws) { Button8Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view); }},
    {"sheet", [](Workspace& ws) { Button6Click(ws.program, ws.ticket, ws.view); }},
}};

std::string kindNames() {
    std::string names;
    for (const StatisticKind& kind : kKinds)
        names += (names.empty() ? "" : ", ") + std::string(kind.name);
    return names;
}

QJsonValue colourJson(const std::optional<std::uint32_t>& colour) {
    if (!colour)
        return QJsonValue::Null;
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%06X", *colour & 0xFFFFFFu);
    return QString::fromLatin1(text.data());
}

QJsonObject chartJson(const Chart& chart) {
    QJsonArray points;
    for (const ChartPoint& p : chart.points)
        points.append(QJsonObject{{"x", p.x}, {"y", p.y}, {"color", colourJson(p.colour)}});
    return QJsonObject{{"points", points},
                       {"axis", QJsonObject{{"min", chart.axisMinimum},
                                            {"max", chart.axisMaximum},
                                            {"auto", chart.axisAutomatic}}},
                       {"caption", qs(chart.caption)}};
}

// The chart as a bar list: caption, axis, then one line per point with a bar scaled to
// at most 50 marks, '+' for a red bar and '#' for a green one.
void printChart(std::ostream& out, const Chart& chart) {
    out << chart.caption << '\n'
        << "Achse: " << chart.axisMinimum << " .. " << chart.axisMaximum
        << (chart.axisAutomatic ? " (automatisch)" : "") << '\n';
    int largest = 0;
    for (const ChartPoint& p : chart.points)
        largest = std::max(largest, p.y);
    for (const ChartPoint& p : chart.points) {
        const int marks = largest > 0 ? std::max(0, p.y) * 50 / largest : 0;
        out << std::setw(3) << p.x << ' ' << std::setw(4) << p.y;
        if (marks > 0)
            out << ' '
                << std::string(static_cast<std::size_t>(marks), p.colour == kRed ? '+' : '#');
        out << '\n';
    }
}

} // namespace

int runStats(CliContext& ctx, const CommandLine& line) {
    const std::vector<std::string>& args = line.arguments();
    if (args.size() != 1)
        throw UsageError("stats braucht genau eine Art: " + kindNames());
    const auto kind = std::find_if(kKinds.begin(), kKinds.end(),
                                   [&](const StatisticKind& k) { return args.front() == k.name; });
    if (kind == kKinds.end())
        throw UsageError("stats: unbekannte Art " + args.front() + " (" + kindNames() + ")");
    kind->run(ctx.ws);
    if (ctx.json)
        ctx.printJson(chartJson(ctx.ws.view.chart));
    else
        printChart(ctx.out, ctx.ws.view.chart);
    return kExitOk;
}

} // namespace kav::cli
