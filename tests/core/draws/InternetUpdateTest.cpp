// SPDX-License-Identifier: GPL-3.0-or-later
// The internet update over a recording HTTP client: the dates it asks for, what it makes
// of each answer, how it ends, and the rebuild.
#include "commands/InternetUpdate.h"
#include "draws/DrawServiceProtocol.h"

#include "app/StartUp.h"
#include "commands/CsvTransfer.h"
#include "commands/DrawEditing.h"
#include "commands/DrawReading.h"
#include "draws/DrawMaintenance.h"
#include "draws/DrawMerge.h"
#include "support/FakeHttpClient.h"
#include "support/WorkspaceFixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <unistd.h>

namespace kav::test {
namespace {

using Dates = std::vector<std::string>;
using F = HttpResponse::Failure;

// How many of this process's open files are `path` (the update must close it).
int openHandlesTo(const std::filesystem::path& path) {
    int count = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", ec)) {
        std::error_code readError;
        if (std::filesystem::read_symlink(entry.path(), readError) == path)
            ++count;
    }
    return count;
}

class InternetUpdateTest : public WorkspaceTest {
protected:
    InternetUpdateTest() {
        setToday(2005, 2, 27);
        parameters.serviceUrl = "http://127.0.0.1:8754";
    }

    void setToday(int y, int m, int d) {
        ws.program.todayProvider = [today = dayCountFromCivil({y, m, d})] { return today; };
    }
    UpdateResult update() {
        return updateDrawDatabase(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view,
                                  client, parameters);
    }

    FakeHttpClient client;
    UpdateParameters parameters;
};

TEST_F(InternetUpdateTest, FromASundayDrawUpToTodayEverySaturdayAndSunday) {
    writeDraws({DrawRecord::seed()});
    const UpdateResult result = update();
    EXPECT_EQ(client.dates(),
              (Dates{"20050212", "20050213", "20050219", "20050220", "20050226", "20050227"}));
    EXPECT_EQ(result.end, UpdateEnd::PassedToday);
    EXPECT_EQ(result.added, 0);
    ASSERT_EQ(result.requested.size(), 6u);
    EXPECT_EQ(result.requested.front(), dayCountFromCivil({2005, 2, 12}));
}

TEST_F(InternetUpdateTest, ANewestDrawDatedTodayAsksForNothing) {
    writeDraws({DrawRecord::seed(), draw(day(2005, 2, 27), {1, 2, 3, 4, 5}, 6)});
    ws.view.drawCaption = "old";
    const UpdateResult result = update();
    EXPECT_TRUE(client.requests.empty());
    EXPECT_EQ(result.end, UpdateEnd::PassedToday);
    // The display is refreshed: the newest draw is current.
    EXPECT_EQ(ws.drawWindow.current.date, day(2005, 2, 27));
    EXPECT_EQ(ws.drawWindow.current.index, 1);
    EXPECT_EQ(ws.view.tipDrawCaption, ws.view.drawCaption);
    EXPECT_NE(ws.view.drawCaption.find("   R: 6"), std::string::npos);
}

TEST_F(InternetUpdateTest, TheRequestCarriesTheClientSettingsAndTheProxyAsItReadsNow) {
    writeDraws({DrawRecord::seed()});
    ws.options.proxyHost = "proxy.example";
    ws.options.proxyPort = "3128";
    client.answer = [&](const HttpRequest&) {
        ws.options.proxyHost = ""; // the user clears the proxy during the first request
        ws.options.proxyPort = "80";
        return answerWith(200);
    };
    update();
    ASSERT_GE(client.requests.size(), 2u);
    const HttpRequest& first = client.requests[0];
    EXPECT_EQ(first.url,
              "http://127.0.0.1:8754/zahlen/kavanto.asp?Programm=Kavanto&Datum=20050212");
    EXPECT_EQ(first.headers, (std::vector<std::pair<std::string, std::string>>{
                                 {"Accept", "text/html, */*"},
                                 {"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"}}));
    EXPECT_EQ(first.proxyHost, "proxy.example");
    EXPECT_EQ(first.proxyPort, 3128);
    EXPECT_EQ(first.timeoutMs, 5000);
    EXPECT_EQ(first.maxRedirects, 15);
    EXPECT_EQ(first.maxBodyBytes, std::size_t{1} << 20);
    EXPECT_EQ(client.requests[1].proxyHost, "");
    EXPECT_EQ(client.requests[1].proxyPort, 80);

    // Without an address of its own the update takes the setting.
    ws.options.drawServiceUrl = "http://draws.example:9000/";
    parameters.serviceUrl.clear();
    client.requests.clear();
    writeDraws({DrawRecord::seed()});
    update();
    ASSERT_FALSE(client.requests.empty());
    EXPECT_EQ(client.requests[0].url.rfind("http://draws.example:9000/zahlen/", 0), 0u);
}

// What each kind of answer leaves in the draw file and in status panel 0. Both dates
// (12 and 13 February) get the same answer: whatever it is, the next date still comes.
TEST_F(InternetUpdateTest, EachKindOfAnswer) {
    using Draw = std::pair<std::array<int, 5>, int>;
    const Draw a{{5, 17, 23, 40, 51}, 3};
    const Draw b{{1, 2, 3, 4, 5}, 0};
    struct Case {
        const char* name;
        HttpResponse answer;
        std::vector<Draw> appended; // per date
        const char* panel0;
    };
    const Case cases[] = {
        {"one line", answerWith(200, "x,5,17,23,40,51,3;\r\n"), {a}, "OK"},
        {"two lines for one date",
         answerWith(200, "x,5,17,23,40,51,3;\r\nx,1,2,3,4,5,0;"),
         {a, b},
         "OK"},
        {"an unparsable line skips the rest",
         answerWith(200, "x,5,17,23,40,51,3;\r\nnonsense\r\nx,1,2,3,4,5,0;\r\n"),
         {a},
         "OK"},
        {"a line without ';' is not stored", answerWith(200, "x,5,17,23,40,51,3\r\n"), {}, "OK"},
        {"out of range is not stored",
         answerWith(200, "x,5,17,23,40,55,3;\r\nx,1,2,3,4,5,0;"),
         {},
         "OK"},
        {"a repeated number is not stored", answerWith(200, "x,5,5,23,40,51,3;"), {}, "OK"},
        {"an empty answer", answerWith(200, ""), {}, "OK"},
        {"an error status ignores the body",
         answerWith(404, "x,5,17,23,40,51,3;"),
         {},
         "Not Found"},
        {"a redirect loop", failureOf(F::TooManyRedirects), {}, "Zu viele Umleitungen"},
        {"an answer over the size limit", failureOf(F::TooLarge), {}, "Antwort zu groß"},
        {"a time-out", failureOf(F::Timeout), {}, "Zeitüberschreitung"},
        {"no connection", failureOf(F::Connection), {}, "Keine Verbindung"},
    };
    setToday(2005, 2, 13);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeDraws({DrawRecord::seed()});
        client.requests.clear();
        client.answer = [&](const HttpRequest&) { return c.answer; };
        const UpdateResult result = update();
        EXPECT_EQ(client.dates(), (Dates{"20050212", "20050213"}));
        std::vector<DrawRecord> expected{DrawRecord::seed()};
        for (const double date : {day(2005, 2, 12), day(2005, 2, 13)})
            for (const auto& [numbers, key] : c.appended)
                expected.push_back(draw(date, numbers, key));
        EXPECT_EQ(storedDraws(), expected);
        EXPECT_EQ(result.added, static_cast<int>(2 * c.appended.size()));
        EXPECT_EQ(ws.view.status.panel0, c.panel0);
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST_F(InternetUpdateTest, StatusPanelsAndCaptionWhileItRuns) {
    writeDraws({DrawRecord::seed()});
    setToday(2005, 2, 13);
    std::vector<std::string> seen;
    client.answer = [&](const HttpRequest& r) {
        seen.push_back(ws.view.status.panel0 + "|" + ws.view.drawCaption);
        EXPECT_TRUE(ws.run.updateRunning);
        EXPECT_TRUE(ws.run.updateStopShown);
        return dateOf(r) == "20050212" ? answerWith(200, "x,5,17,23,40,51,3;") : answerWith(200);
    };
    ws.view.drawCaption = "before";
    update();
    EXPECT_EQ(seen, (Dates{"Loading|before", "Loading|Sa 12.02.05   "}));
    EXPECT_EQ(ws.view.status.panel0, "OK");
    EXPECT_EQ(ws.view.status.panel1, "Keine Gewähr für die Richtigkeit der Zahlen!");
    EXPECT_FALSE(ws.run.updateRunning);
    EXPECT_FALSE(ws.run.updateStopShown);
    // It ends by selecting the newest draw: the picker stands on it.
    EXPECT_EQ(ws.drawWindow.current.date, day(2005, 2, 12));
    EXPECT_EQ(ws.drawWindow.endPicker.value, dayCountFromCivil({2005, 2, 12}));
    EXPECT_EQ(ws.view.tipDrawCaption, ws.view.drawCaption);
    EXPECT_EQ(ws.run.responseBuffer, "");
}

TEST_F(InternetUpdateTest, AMessageEndsTheUpdateAndIsShownWhole) {
    writeDraws({DrawRecord::seed()});
    // Windows-1252 on the wire; markup is just text.
    const std::string body = "x,5,17,23,40,51,3;\r\nMitteilung: <b>Gr\xFC\xDF"
                             "e</b>\r\n";
    client.answer = [&](const HttpRequest& r) {
        return dateOf(r) == "20050213" ? answerWith(200, body) : answerWith(200);
    };
    const UpdateResult result = update();
    EXPECT_EQ(client.dates(), (Dates{"20050212", "20050213"}));
    EXPECT_EQ(result.end, UpdateEnd::Message);
    const std::string shown = "x,5,17,23,40,51,3;\r\nMitteilung: <b>Grüße</b>\r\n";
    EXPECT_EQ(result.message, shown);
    EXPECT_EQ(ui.messages, Dates{shown});
    EXPECT_EQ(storedDraws().size(), 2u); // the line before the message stays
    EXPECT_EQ(ws.run.responseBuffer, body);

    // "Mitteilung" after a good last line is no message; "mitteilung" is none either.
    for (const char* notAMessage : {"x,5,17,23,40,51,3;Mitteilung", "mitteilung\r\n"}) {
        writeDraws({DrawRecord::seed()});
        client.requests.clear();
        client.answer = [&](const HttpRequest&) { return answerWith(200, notAMessage); };
        EXPECT_EQ(update().end, UpdateEnd::PassedToday) << notAMessage;
        EXPECT_EQ(client.requests.size(), 6u) << notAMessage;
    }
}

TEST_F(InternetUpdateTest, ThreeConnectionFailuresInARowEndItAndSayWhatToDo) {
    writeDraws({DrawRecord::seed()});
    setToday(2005, 4, 30);
    // An answer of any kind (even an error status) breaks the run of failures.
    client.answer = [&](const HttpRequest& r) {
        const std::string d = dateOf(r);
        if (d == "20050212")
            return answerWith(200, "x,5,17,23,40,51,3;");
        if (d == "20050213" || d == "20050219" || d == "20050226" || d == "20050227")
            return failureOf(F::Timeout);
        if (d == "20050220")
            return answerWith(503);
        return failureOf(d == "20050305" ? F::Connection : F::Timeout);
    };
    const UpdateResult result = update();
    EXPECT_EQ(client.dates(), (Dates{"20050212", "20050213", "20050219", "20050220", "20050226",
                                     "20050227", "20050305"}));
    EXPECT_EQ(result.end, UpdateEnd::Unreachable);
    EXPECT_EQ(result.added, 1);
    EXPECT_EQ(storedDraws().size(), 2u);
    ASSERT_EQ(ui.messages.size(), 1u);
    const std::string& text = ui.messages.front();
    for (const char* part : {"http://127.0.0.1:8754", "CSV", "kavanto-drawservice", "--demo"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    EXPECT_FALSE(ws.run.updateRunning);
    EXPECT_EQ(openHandlesTo(drawFileOf(ws.program).path()), 0);
}

// One answer repeating a draw line 5,000 times once stored 5,000 records of that date.
TEST_F(InternetUpdateTest, ARepeatedLineIsStoredOnceAndAnAnswerWithMoreDrawsThanADayIsRefused) {
    writeDraws({DrawRecord::seed()});
    setToday(2005, 2, 20);
    std::string repeated;
    for (int i = 0; i < 5000; ++i)
        repeated += "x,5,17,23,40,51,3;\r\n";
    std::string many;
    for (int n = 1; n <= 6; ++n)
        many += "x,1,2,3,4," + std::to_string(10 + n) + ",1;\r\n";
    client.answer = [&](const HttpRequest& r) {
        const std::string d = dateOf(r);
        return answerWith(200, d == "20050212" ? repeated : d == "20050213" ? many : "");
    };
    const UpdateResult result = update();
    EXPECT_EQ(result.added, 1);
    EXPECT_EQ(storedDraws(),
              (std::vector<DrawRecord>{DrawRecord::seed(),
                                       draw(day(2005, 2, 12), {5, 17, 23, 40, 51}, 3)}));
    EXPECT_EQ(result.end, UpdateEnd::PassedToday); // one refusal ends nothing

    // Three such answers in a row end it like three error statuses.
    client.answer = [&](const HttpRequest&) { return answerWith(200, many); };
    setToday(2005, 3, 31);
    const UpdateResult refusing = update();
    EXPECT_EQ(refusing.end, UpdateEnd::Refusing);
    EXPECT_EQ(refusing.requested.size(), 3u);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_NE(ui.messages.back().find("mehr als 5 verschiedene Ziehungen"), std::string::npos)
        << ui.messages.back();
}

// A service that answers every date but never with a draw is no draw-data service.
TEST_F(InternetUpdateTest, AnswersWithoutASingleDrawAreReportedAtTheEnd) {
    writeDraws({DrawRecord::seed()});
    setToday(2005, 3, 13);
    const UpdateResult result = update();
    EXPECT_EQ(result.end, UpdateEnd::PassedToday);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("10 Anfragen beantwortet, aber keine einzige Ziehung"),
              std::string::npos)
        << ui.messages[0];

    // Within a week an empty answer is the usual: the draw is not out yet.
    ui.messages.clear();
    writeDraws({DrawRecord::seed(), draw(day(2005, 3, 6), {1, 2, 3, 4, 5}, 6)});
    update();
    EXPECT_TRUE(ui.messages.empty());
}

// A newest record dated 31.12.9999, infinity or NaN once made every update ask for nothing
// without a word.
TEST_F(InternetUpdateTest, ANewestDateThatIsNoDrawDateIsExplainedAndNothingIsAsked) {
    // A date before the first draw is newest only in a file without the first draw.
    for (const auto& [bad, keepsFirstDraw] : {std::pair{day(9999, 12, 31), true},
                                              {std::numeric_limits<double>::infinity(), true},
                                              {std::numeric_limits<double>::quiet_NaN(), true},
                                              {12.0, false}}) {
        SCOPED_TRACE(bad);
        ui.messages.clear();
        client.requests.clear();
        DrawRecord broken = draw(day(2005, 2, 13), {1, 2, 3, 4, 5}, 6);
        broken.date = bad;
        if (keepsFirstDraw)
            writeDraws({DrawRecord::seed(), broken});
        else
            writeDraws({broken});
        const UpdateResult result = update();
        EXPECT_EQ(result.end, UpdateEnd::NoStart);
        EXPECT_TRUE(client.requests.empty());
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_NE(ui.messages[0].find("Die neueste Ziehung in"), std::string::npos)
            << ui.messages[0];
        EXPECT_NE(ui.messages[0].find("fragt das Einlesen keine Ziehungen an"), std::string::npos);
    }
}

// A file out of date order was taken without a word, and the update went on from its last
// record: new draws went in before older ones.
TEST_F(InternetUpdateTest, AFileOutOfOrderIsToldOnceAndNewDrawsGoAfterTheNewest) {
    writeDraws({DrawRecord::seed(), draw(day(2005, 2, 20), {1, 2, 3, 4, 5}, 6),
                draw(day(2005, 2, 13), {7, 8, 9, 10, 11}, 1)});
    setToday(2005, 2, 27);
    const UpdateResult result = update();
    EXPECT_EQ(client.dates(), (Dates{"20050226", "20050227"}));
    EXPECT_EQ(result.end, UpdateEnd::PassedToday);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("nicht in Datumsfolge"), std::string::npos) << ui.messages[0];
    EXPECT_NE(ui.messages[0].find("Nr. 3 vom 13.02.2005"), std::string::npos) << ui.messages[0];
    readDrawFile(ws.program); // told once per run of the program
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(InternetUpdateTest, TheStopButtonEndsItBeforeTheNextRequest) {
    writeDraws({DrawRecord::seed()});
    client.answer = [&](const HttpRequest& r) {
        if (dateOf(r) == "20050213")
            ws.run.updateStopShown = false; // clicked while this request runs
        return answerWith(200, "x,5,17,23,40,51,3;");
    };
    const UpdateResult result = update();
    EXPECT_EQ(client.dates(), (Dates{"20050212", "20050213"}));
    EXPECT_EQ(result.end, UpdateEnd::Stopped);
    EXPECT_EQ(result.added, 2); // the answer in flight is still stored

    // A cancelled request (the window closes) ends it too.
    client.requests.clear();
    client.answer = [&](const HttpRequest&) { return failureOf(F::Cancelled); };
    EXPECT_EQ(update().end, UpdateEnd::Stopped);
    EXPECT_EQ(client.requests.size(), 1u);
}

TEST_F(InternetUpdateTest, WhileItRunsNothingElseWritesTheDrawFile) {
    writeDraws({DrawRecord::seed()});
    setToday(2005, 2, 12);
    const auto csv = folder.path() / "draws.csv";
    writeBytes(csv, "2005-02-12,1,2,3,4,5,6\n");
    std::vector<UpdateEnd> nested;
    ws.program.internetUpdate = [&] {
        nested.push_back(updateDrawDatabase(ws.program, ws.options, ws.ticket, ws.drawWindow,
                                            ws.run, ws.view, client, parameters)
                             .end);
    };
    client.answer = [&](const HttpRequest&) {
        nested.push_back(updateDrawDatabase(ws.program, ws.options, ws.ticket, ws.drawWindow,
                                            ws.run, ws.view, client, parameters)
                             .end);
        ui.yesNoAnswers = {true};
        rebuildDrawDatabase(ws.program, ws.ticket, ws.drawWindow, ws.run,
                            ws.view); // its own command: nothing happens, nothing is asked
        ui.drawAnswers = {draw(day(2005, 2, 12), {1, 2, 3, 4, 5}, 6)};
        for (auto writer : std::initializer_list<std::function<void()>>{
                 [&] { enterDraw(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view); },
                 [&] { deleteCurrentDraw(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view); },
                 [&] { importDrawsFromCsv(ws.program, ws.run, csv, ConflictChoice::Replace); }}) {
            try {
                writer();
                ADD_FAILURE() << "a writer ran during the update";
            } catch (const std::runtime_error& e) {
                EXPECT_NE(std::string(e.what()).find("gerade"), std::string::npos);
            }
        }
        return answerWith(200);
    };
    update();
    EXPECT_EQ(nested, std::vector<UpdateEnd>{UpdateEnd::Busy});
    EXPECT_EQ(client.requests.size(), 1u);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(storedDraws(), std::vector<DrawRecord>{DrawRecord::seed()});
}

TEST_F(InternetUpdateTest, ABadProxyPortOrAddressRestoresTheIdleStateAndReports) {
    writeDraws({DrawRecord::seed()});
    for (const char* port : {"abc", "", "8o"}) {
        ws.options.proxyPort = port;
        EXPECT_THROW(update(), std::runtime_error) << port;
        EXPECT_FALSE(ws.run.updateRunning);
        EXPECT_FALSE(ws.run.updateStopShown);
        EXPECT_EQ(openHandlesTo(drawFileOf(ws.program).path()), 0);
    }
    // A port out of range matters only with a proxy host.
    ws.options.proxyPort = "70000";
    ws.options.proxyHost = "proxy";
    EXPECT_THROW(update(), std::runtime_error);
    EXPECT_TRUE(client.requests.empty());

    ws.options.proxyHost.clear();
    ws.options.proxyPort = "80";
    parameters.serviceUrl = "draws.example";
    try {
        update();
        ADD_FAILURE() << "an address without scheme was taken";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("draws.example"), std::string::npos);
    }
    EXPECT_TRUE(client.requests.empty());
    EXPECT_FALSE(ws.run.updateRunning);
}

TEST_F(InternetUpdateTest, AnEmptyFileStartsAfterTheEndDateAndAMissingOneIsCreated) {
    ws.drawWindow.endPicker.set(dayCountFromCivil({2005, 2, 19}));
    update();
    EXPECT_EQ(client.dates(), (Dates{"20050220", "20050226", "20050227"}));
    EXPECT_TRUE(drawFileOf(ws.program).exists());
    EXPECT_TRUE(storedDraws().empty());
}

TEST_F(InternetUpdateTest, TheFirstStartFillsTheFileFromTheService) {
    ws.installInternetUpdate(client, parameters);
    client.answer = [&](const HttpRequest& r) {
        // The service knows the Sunday draws only.
        const auto date = *parseCompactDate(dateOf(r));
        return weekdayOf(date) == 0
                   ? answerWith(200, "x,1,2,3,4," + std::to_string(date % 50 + 5) + ",7;")
                   : answerWith(200);
    };
    startUp(ws);
    EXPECT_EQ(ui.messages.front(), "Lesen Sie zuerst die Daten der Ziehungen ein");
    EXPECT_EQ(client.dates().front(), "20050212");
    EXPECT_EQ(client.dates().back(), "20050227");
    const auto stored = storedDraws();
    ASSERT_EQ(stored.size(), 4u);
    EXPECT_EQ(stored[0], DrawRecord::seed());
    EXPECT_EQ(stored[3].date, day(2005, 2, 27));
    EXPECT_EQ(ws.drawWindow.endPicker.value, ws.program.today());
}

class RebuildTest : public InternetUpdateTest {
protected:
    RebuildTest() {
        setToday(2010, 2, 14);
        ws.installInternetUpdate(client, parameters);
        writeDraws({DrawRecord::seed(), draw(day(2005, 2, 13), {1, 2, 3, 4, 5}, 6)});
        ws.drawWindow.endPicker.set(dayCountFromCivil({2010, 1, 6}));
    }
    std::filesystem::path backup() const { return folder.path() / kRebuildBackupName; }
};

TEST_F(RebuildTest, AsksThenRebuildsFromTheEndDateWalkingToSaturdaysAndSundays) {
    ui.yesNoAnswers = {true};
    client.answer = [&](const HttpRequest& r) {
        return dateOf(r) == "20100131" ? answerWith(200, "x,1,2,3,4,5,6;") : answerWith(200);
    };
    rebuildDrawDatabase(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_EQ(ui.questions, Dates{"Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab "
                                  "dem 06.01.2010 aus dem Internet neu aufbauen??"});
    EXPECT_EQ(client.dates(),
              (Dates{"20100109", "20100110", "20100116", "20100117", "20100123", "20100124",
                     "20100130", "20100131", "20100206", "20100207", "20100213", "20100214"}));
    EXPECT_EQ(storedDraws(), std::vector<DrawRecord>{draw(day(2010, 1, 31), {1, 2, 3, 4, 5}, 6)});
    EXPECT_FALSE(std::filesystem::exists(backup()));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RebuildTest, AnyAnswerButYesChangesNothing) {
    const std::string before = readBytes(drawFileOf(ws.program).path());
    rebuildDrawDatabase(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_TRUE(client.requests.empty());
    EXPECT_EQ(readBytes(drawFileOf(ws.program).path()), before);
}

TEST_F(RebuildTest, WithoutAReachableServiceTheOldDrawsComeBack) {
    const std::string before = readBytes(drawFileOf(ws.program).path());
    ui.yesNoAnswers = {true};
    client.answer = [&](const HttpRequest&) { return failureOf(F::Connection); };
    rebuildDrawDatabase(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_EQ(client.requests.size(), 3u);
    EXPECT_EQ(readBytes(drawFileOf(ws.program).path()), before);
    EXPECT_FALSE(std::filesystem::exists(backup()));
    ASSERT_EQ(ui.messages.size(), 2u); // the service is unreachable; the draws are back
    EXPECT_NE(ui.messages[1].find("wiederhergestellt"), std::string::npos);
    EXPECT_EQ(ws.drawWindow.current.date, day(2005, 2, 13)); // shown again

    // An error inside the update brings them back too, and the error is passed on.
    ui.yesNoAnswers = {true};
    ws.options.proxyPort = "x";
    EXPECT_THROW(rebuildDrawDatabase(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view),
                 std::runtime_error);
    EXPECT_EQ(readBytes(drawFileOf(ws.program).path()), before);
    EXPECT_FALSE(std::filesystem::exists(backup()));
}

} // namespace
} // namespace kav::test
