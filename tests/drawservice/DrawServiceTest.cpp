// SPDX-License-Identifier: GPL-3.0-or-later
// kavanto-drawservice: its answers from each kind of history, and the program itself with
// the command line that tests and scripts rely on.
#include "DrawService.h"

#include "QtHttpClient.h"
#include "base/Windows1252.h"
#include "support/ChildProcess.h"
#include "support/WorkspaceFixture.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace kav::test {
namespace {

using drawservice::answerRequest;
using drawservice::DrawHistory;
using drawservice::ServiceOptions;
using Params = std::multimap<std::string, std::string>;

Params request(const std::string& date) {
    return {{"Programm", "Kavanto"}, {"Datum", date}};
}

ServiceOptions onDay(int y, int m, int d) {
    ServiceOptions options;
    options.today = [today = dayCountFromCivil({y, m, d})] { return today; };
    return options;
}

TEST(DrawService, AnswersTheDrawsOfTheRequestedDate) {
    const DrawHistory history = DrawHistory::fromRecords(
        {DrawRecord::seed(), draw(day(2005, 2, 13), {5, 17, 23, 40, 51}, 3),
         draw(day(2005, 2, 13), {1, 2, 3, 4, 5}, 0)},
        "test");
    const ServiceOptions options = onDay(2024, 6, 1);
    const auto twoLines = answerRequest(history, options, kDrawServicePath, request("20050213"));
    EXPECT_EQ(twoLines.status, 200);
    EXPECT_EQ(twoLines.body, "13.02.2005,5,17,23,40,51,3;\r\n13.02.2005,1,2,3,4,5,0;\r\n");
    EXPECT_EQ(twoLines.draws, 2);

    const auto none = answerRequest(history, options, kDrawServicePath, request("20050212"));
    EXPECT_EQ(none.status, 200);
    EXPECT_EQ(none.body, "");

    EXPECT_EQ(answerRequest(history, options, "/other", request("20050213")).status, 404);
    for (const Params& bad :
         {Params{{"Datum", "20050213"}}, Params{{"Programm", "Other"}, {"Datum", "20050213"}},
          request("2005-02-13"), request("20050231")})
        EXPECT_EQ(answerRequest(history, options, kDrawServicePath, bad).status, 400);
}

TEST(DrawService, MessageAndStatusOptions) {
    const DrawHistory history = DrawHistory::demo();
    ServiceOptions options = onDay(2024, 6, 1);
    options.message = "Wartung bis Montag. Grüße";
    const auto message = answerRequest(history, options, kDrawServicePath, request("20050213"));
    EXPECT_EQ(message.status, 200);
    EXPECT_EQ(message.body, toWindows1252("Mitteilung\r\nWartung bis Montag. Grüße\r\n"));

    options.status = 503;
    EXPECT_EQ(answerRequest(history, options, kDrawServicePath, request("20050213")).status, 503);
}

TEST(DrawService, TheDemoIsLabelledSeededAndOnSundaysOnly) {
    const DrawHistory demo = DrawHistory::demo();
    const DayCount today = dayCountFromCivil({2005, 3, 6});
    EXPECT_EQ(demo.drawsOn(kMinimumPickerDate, today), std::vector<DrawRecord>{DrawRecord::seed()});
    EXPECT_TRUE(demo.drawsOn(dayCountFromCivil({2005, 2, 12}), today).empty()); // a Saturday
    EXPECT_TRUE(demo.drawsOn(dayCountFromCivil({2005, 3, 13}), today).empty()); // after today
    EXPECT_TRUE(demo.drawsOn(dayCountFromCivil({2005, 1, 30}), today).empty()); // before the first
    // The same draws on every run, each a proper draw.
    for (DayCount sunday = kMinimumPickerDate; sunday < kMinimumPickerDate + 7 * 1000;
         sunday += 7) {
        const DrawRecord a = DrawHistory::demoDraw(sunday);
        EXPECT_EQ(a, DrawHistory::demoDraw(sunday));
        EXPECT_TRUE(a.isValid());
        EXPECT_EQ(a.date, static_cast<double>(sunday));
        std::array<int, 5> numbers{};
        for (int i = 0; i < 5; ++i)
            numbers[static_cast<std::size_t>(i)] = a.number(i);
        std::sort(numbers.begin(), numbers.end());
        EXPECT_EQ(std::adjacent_find(numbers.begin(), numbers.end()), numbers.end());
    }
    const auto line = answerRequest(demo, onDay(2005, 3, 6), kDrawServicePath, request("20050213"));
    EXPECT_EQ(line.body.rfind("DEMO 13.02.2005,", 0), 0u) << line.body;
    EXPECT_NE(line.body.find(";Demo-Ziehung, kein echtes Ergebnis\r\n"), std::string::npos);
    EXPECT_NE(demo.description(today).find("DEMO: 5 erfundene Ziehungen"), std::string::npos);
}

TEST(DrawService, ADrawFileSourceLeavesDamagedRecordsOut) {
    TemporaryFolder folder;
    DrawRecord damaged = draw(day(2005, 2, 20), {1, 2, 3, 4, 5}, 6);
    damaged.slotValues[6] = 12;
    DrawFile(folder.path()).replace(std::vector<DrawRecord>{DrawRecord::seed(), damaged});
    const DrawHistory history = DrawHistory::fromDrawFile(folder.path() / DrawFile::kFileName);
    EXPECT_EQ(history.drawsOn(kMinimumPickerDate, 50000),
              std::vector<DrawRecord>{DrawRecord::seed()});
    EXPECT_TRUE(history.drawsOn(dayCountFromCivil({2005, 2, 20}), 50000).empty());
    EXPECT_EQ(history.description(50000).rfind("1 Ziehungen aus ", 0), 0u);
}

// The program as scripts start it: the address as its first line, a log line per request.
TEST(DrawServiceProgram, PrintsItsAddressFirstAndLogsEachRequest) {
    QProcess service;
    service.start(KAVANTO_DRAWSERVICE_BINARY, {"--port", "0", "--demo", "--today", "27.02.2005"});
    ASSERT_TRUE(service.waitForStarted()) << service.errorString().toStdString();
    ASSERT_TRUE(service.waitForReadyRead(5000));
    const std::string url = service.readLine().trimmed().toStdString();
    EXPECT_EQ(url.rfind("http://127.0.0.1:", 0), 0u) << url;

    {
        platform::QtHttpClient client; // gone before the service stops: no idle connection
        HttpRequest get;
        get.url = url + drawServiceTarget(dayCountFromCivil({2005, 2, 13}));
        const HttpResponse response = client.get(get);
        EXPECT_EQ(response.statusCode, 200);
        EXPECT_EQ(response.body,
                  drawLineText("DEMO 13.02.2005",
                               DrawHistory::demoDraw(dayCountFromCivil({2005, 2, 13})),
                               "Demo-Ziehung, kein echtes Ergebnis") +
                      "\r\n");
    }

    service.terminate(); // SIGTERM ends it cleanly
    ASSERT_TRUE(finishesWithin(service, 5000));
    EXPECT_EQ(service.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(service.exitCode(), 0);
    const QString log = QString::fromUtf8(service.readAllStandardError());
    EXPECT_TRUE(log.contains("DEMO")) << log.toStdString();
    EXPECT_EQ(log.count("GET /zahlen/kavanto.asp?Programm=Kavanto&Datum=20050213 200"), 1)
        << log.toStdString();
}

TEST(DrawServiceProgram, BadCommandLinesAndSources) {
    TemporaryFolder folder;
    writeBytes(folder.path() / "bad.csv", "2005-02-13,5,17,23,40,51,3\r\n2005-02-20,1,2,3\r\n");
    const std::pair<QStringList, int> cases[] = {
        {{"--demo", "--csv", "x.csv"}, 2},
        {{"--port", "0"}, 2},
        {{"--demo", "--port", "70000"}, 2},
        {{"--demo", "--status", "99"}, 2},
        {{"--demo", "--bogus"}, 2},
        {{"--port", "0", "--csv", QString::fromStdString((folder.path() / "bad.csv").string())}, 1},
        {{"--port", "0", "--draws", QString::fromStdString((folder.path() / "none").string())}, 1},
        {{"--help"}, 0},
    };
    for (const auto& [arguments, exitCode] : cases) {
        QProcess service;
        service.start(KAVANTO_DRAWSERVICE_BINARY, arguments);
        ASSERT_TRUE(finishesWithin(service, 5000)) << arguments.join(' ').toStdString();
        EXPECT_EQ(service.exitCode(), exitCode) << arguments.join(' ').toStdString();
        if (exitCode == 1) {
            EXPECT_TRUE(service.readAllStandardError().contains("Zeile 2") ||
                        arguments.contains("--draws"));
        }
    }
}

} // namespace
} // namespace kav::test
