// SPDX-License-Identifier: GPL-3.0-or-later
// The search of the sheet in the draw database and the two historical analyses. The tool
// answers every question with Yes and the input boxes with the numbers given.
#include "AnalysisProgress.h"
#include "CliCommands.h"
#include "JsonOutput.h"
#include "base/IntegerText.h"
#include "commands/Backtest.h"
#include "commands/DrawHistoryAnalysis.h"
#include "commands/TipSearch.h"
#include "evaluation/ChanceComparison.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <algorithm>
#include <iomanip>
#include <ostream>
#include <sstream>

namespace kav::cli {
namespace {

// "--name N" as the answer of the command's input box, checked to be a whole number.
void takeNumberAnswer(CliContext& ctx, const CommandLine& line, const std::string& name) {
    const std::optional<std::string> text = line.value(name);
    if (!text)
        return;
    if (!parseInteger(*text))
        throw UsageError("--" + name + ": keine ganze Zahl: " + *text);
    ctx.ui.textAnswer = *text;
}

QJsonObject chanceJson(const ChanceComparison& c) {
    QJsonArray classes;
    for (const ChanceClass& cell : c.classes)
        classes.append(QJsonObject{{"hits", cell.hits},
                                   {"key", cell.key},
                                   {"observed", static_cast<qint64>(cell.observed)},
                                   {"expected", cell.expected}});
    QJsonValue test = QJsonValue::Null;
    if (c.test) {
        QJsonArray merged;
        for (const ChanceTestClass& m : c.test->classes)
            merged.append(QJsonObject{{"label", qs(m.label)},
                                      {"observed", static_cast<qint64>(m.observed)},
                                      {"expected", m.expected}});
        test = QJsonObject{{"classes", merged},
                           {"chiSquare", c.test->chiSquare},
                           {"df", c.test->degreesOfFreedom},
                           {"p", c.test->pValue}};
    }
    QJsonArray verdict;
    for (const std::string& sentence : c.verdict)
        verdict.append(qs(sentence));
    return QJsonObject{{"rows", static_cast<qint64>(c.rows)},
                       {"classes", classes},
                       {"winning", QJsonObject{{"observed", static_cast<qint64>(c.observedWinning)},
                                               {"expected", c.expectedWinning}}},
                       {"test", test},
                       {"significant", c.significant},
                       {"verdict", verdict}};
}

void printChance(std::ostream& out, const ChanceComparison& c) {
    out << "\nVergleich mit dem Zufall (" << c.rows << " Reihen)\n"
        << "Richtige      beobachtet     erwartet\n";
    for (const ChanceClass& cell : c.classes) {
        const std::string label = std::to_string(cell.hits) + (cell.key ? " + R" : "");
        out << std::left << std::setw(10) << label << std::right << std::setw(14) << cell.observed
            << std::setw(13) << decimalText(cell.expected, 2) << '\n';
    }
    if (c.test) {
        out << "Chi-Quadrat " << decimalText(c.test->chiSquare, 2) << ", Freiheitsgrade "
            << c.test->degreesOfFreedom << ", p = " << pValueText(c.test->pValue) << '\n';
    }
    for (const std::string& sentence : c.verdict)
        out << sentence << '\n';
}

// Runs a historical analysis with its progress on a terminal and prints its report:
// {"report":TEXT} plus what `addMore` adds, or the report as a person reads it (line breaks
// without the CR of the file) followed by the same. Exit 1 when no report was written.
template <typename Analysis, typename AddMore>
int runAnalysis(CliContext& ctx, Analysis analysis, AddMore addMore) {
    const auto result = [&] {
        const TerminalProgress progress(ctx);
        return analysis(ctx.ws);
    }();
    if (!result.completed)
        return kExitFailure;
    QJsonObject json{{"report", qs(result.report)}};
    std::ostringstream more;
    addMore(result, json, more);
    if (ctx.json) {
        ctx.printJson(json);
        return kExitOk;
    }
    for (const char c : result.report)
        if (c != '\r')
            ctx.out << c;
    ctx.out << more.str();
    return kExitOk;
}

} // namespace

int runSearch(CliContext& ctx, const CommandLine& line) {
    takeNumberAnswer(ctx, line, "threshold");
    requireNoArguments(line);
    Workspace& ws = ctx.ws;
    const SearchResult result =
        SpeedButton4Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.view);
    if (ctx.json) {
        QJsonArray found;
        for (const SearchHit& hit : result.found)
            found.append(QJsonObject{{"date", qs(formatShortDate(hit.date))}, {"row", hit.row}});
        ctx.printJson({{"found", found}, {"rows", rowsJson(ctx.ws)}});
        return kExitOk;
    }
    for (const SearchHit& hit : result.found)
        ctx.out << formatShortDate(hit.date) << "  Reihe " << hit.row << '\n';
    if (result.found.empty())
        ctx.out << "Keine Ziehung gefunden.\n";
    printSheet(ctx.out, ctx.ws);
    return kExitOk;
}

int runBacktest(CliContext& ctx, const CommandLine& line) {
    takeNumberAnswer(ctx, line, "seed");
    const bool withChance = line.isSet("chance");
    requireNoArguments(line);
    return runAnalysis(
        ctx,
        [](Workspace& ws) {
            return BitBtn9Click(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view);
        },
        [&](const BacktestResult& result, QJsonObject& json, std::ostream& text) {
            if (!withChance)
                return;
            const ChanceComparison comparison = compareWithChance(result.classes);
            json.insert("chance", chanceJson(comparison));
            printChance(text, comparison);
        });
}

int runHistory(CliContext& ctx, const CommandLine& line) {
    takeNumberAnswer(ctx, line, "threshold");
    requireNoArguments(line);
    return runAnalysis(
        ctx,
        [](Workspace& ws) {
            return BitBtn19Click(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
        },
        [](const DrawHistoryResult&, QJsonObject&, std::ostream&) {});
}

} // namespace kav::cli
