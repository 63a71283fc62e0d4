// SPDX-License-Identifier: GPL-3.0-or-later
// The internet update end to end: the program's HTTP client asks the real draw-data
// service (or, for answers the service never gives, a scripted stand-in) on 127.0.0.1.
#include "DrawService.h"

#include "QtHttpClient.h"
#include "commands/InternetUpdate.h"
#include "support/WorkspaceFixture.h"

#include <QTcpServer>
#include <gtest/gtest.h>
#include <httplib.h>

#include <mutex>
#include <thread>

namespace kav::test {
namespace {

using drawservice::DrawHistory;
using drawservice::DrawService;
using drawservice::ServiceOptions;
using Dates = std::vector<std::string>;

// A stand-in that answers each date as the test scripts it: broken lines, a redirect loop,
// an oversized body. Dates without a script get an empty answer.
class ScriptedService {
public:
    using Script = std::function<void(httplib::Response&)>;

    explicit ScriptedService(std::map<std::string, Script> scripts) : scripts_(std::move(scripts)) {
        server_.Get(kDrawServicePath, [this](const httplib::Request& req, httplib::Response& res) {
            const std::string date = req.get_param_value("Datum");
            {
                const std::lock_guard lock(mutex_);
                dates_.push_back(date);
            }
            if (const auto found = scripts_.find(date); found != scripts_.end())
                found->second(res);
        });
        server_.Get("/loop", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/loop");
        });
        server_.set_keep_alive_max_count(100);
        server_.set_keep_alive_timeout(1);
        server_.set_tcp_nodelay(true);
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~ScriptedService() {
        server_.stop();
        thread_.join();
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }
    Dates dates() const {
        const std::lock_guard lock(mutex_);
        return dates_;
    }

private:
    httplib::Server server_;
    std::map<std::string, Script> scripts_;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    Dates dates_;
};

ScriptedService::Script body(std::string text) {
    return
        [text = std::move(text)](httplib::Response& res) { res.set_content(text, "text/plain"); };
}

std::string closedPortUrl() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return "http://127.0.0.1:" + std::to_string(probe.serverPort());
}

class UpdateEndToEnd : public WorkspaceTest {
protected:
    UpdateEndToEnd() { setToday(2005, 2, 27); }

    void setToday(int y, int m, int d) {
        ws.program.todayProvider = [today = dayCountFromCivil({y, m, d})] { return today; };
    }
    void serve(DrawHistory history, ServiceOptions options = {}) {
        options.port = 0;
        options.today = ws.program.todayProvider;
        service = std::make_unique<DrawService>(std::move(history), std::move(options));
        service->start();
    }
    UpdateParameters parameters(const std::string& url, int timeoutMs = 5000) const {
        UpdateParameters p;
        p.serviceUrl = url;
        p.timeoutMs = timeoutMs;
        return p;
    }
    UpdateResult update(const std::string& url, int timeoutMs = 5000) {
        return updateDrawDatabase(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view,
                                  client, parameters(url, timeoutMs));
    }
    static DrawRecord demo(int y, int m, int d) {
        return DrawHistory::demoDraw(dayCountFromCivil({y, m, d}));
    }

    // The client goes first, closing its connections, so the service stops at once.
    std::unique_ptr<DrawService> service;
    platform::QtHttpClient client;
};

TEST_F(UpdateEndToEnd, FromTheSeedDrawToToday) {
    serve(DrawHistory::demo());
    writeDraws({DrawRecord::seed()});
    const UpdateResult result = update(service->url());
    EXPECT_EQ(service->requestedDates(),
              (Dates{"20050212", "20050213", "20050219", "20050220", "20050226", "20050227"}));
    EXPECT_EQ(result.added, 3);
    EXPECT_EQ(storedDraws(), (std::vector<DrawRecord>{DrawRecord::seed(), demo(2005, 2, 13),
                                                      demo(2005, 2, 20), demo(2005, 2, 27)}));
    EXPECT_EQ(ws.view.status.panel0, "OK");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(UpdateEndToEnd, ANewestDrawDatedTodayAsksForNothing) {
    serve(DrawHistory::demo());
    writeDraws({DrawRecord::seed(), demo(2005, 2, 27)});
    update(service->url());
    EXPECT_TRUE(service->requestedDates().empty());
}

// Six-day steps from a Wednesday once asked for Tuesdays and Mondays and never met the
// first Sundays; the step to the next Saturday keeps every draw after the start date.
TEST_F(UpdateEndToEnd, ARebuildFromAWednesdayAsksForEveryWeekendDayAfterIt) {
    setToday(2010, 2, 14);
    serve(DrawHistory::demo());
    writeDraws({DrawRecord::seed()});
    ws.installInternetUpdate(client, parameters(service->url()));
    ws.drawWindow.endPicker.set(dayCountFromCivil({2010, 1, 6}));
    ui.yesNoAnswers = {true};
    rebuildDrawDatabase(ws.program, ws.ticket, ws.drawWindow, ws.run, ws.view);
    EXPECT_EQ(service->requestedDates(),
              (Dates{"20100109", "20100110", "20100116", "20100117", "20100123", "20100124",
                     "20100130", "20100131", "20100206", "20100207", "20100213", "20100214"}));
    EXPECT_EQ(storedDraws(),
              (std::vector<DrawRecord>{demo(2010, 1, 10), demo(2010, 1, 17), demo(2010, 1, 24),
                                       demo(2010, 1, 31), demo(2010, 2, 7), demo(2010, 2, 14)}));
}

TEST_F(UpdateEndToEnd, TwoDrawsForOneDateAreBothStored) {
    setToday(2005, 2, 13);
    const DrawRecord a = draw(day(2005, 2, 13), {5, 17, 23, 40, 51}, 3);
    const DrawRecord b = draw(day(2005, 2, 13), {1, 2, 3, 4, 5}, 0);
    serve(DrawHistory::fromRecords({DrawRecord::seed(), a, b}, "test"));
    writeDraws({DrawRecord::seed()});
    EXPECT_EQ(update(service->url()).added, 2);
    EXPECT_EQ(storedDraws(), (std::vector<DrawRecord>{DrawRecord::seed(), a, b}));
}

TEST_F(UpdateEndToEnd, AMessageEndsTheUpdate) {
    ServiceOptions options;
    options.message = "Der Dienst zieht um. Grüße";
    serve(DrawHistory::demo(), options);
    writeDraws({DrawRecord::seed()});
    const UpdateResult result = update(service->url());
    EXPECT_EQ(service->requestedDates(), Dates{"20050212"});
    EXPECT_EQ(result.end, UpdateEnd::Message);
    EXPECT_EQ(ui.messages, Dates{"Mitteilung\r\nDer Dienst zieht um. Grüße\r\n"});
}

// Every request answered with 503 once ended as a success that stored nothing, without a
// word. Three error statuses in a row now end it like three failed connections.
TEST_F(UpdateEndToEnd, ThreeErrorStatusesInARowEndTheUpdateAndSaySo) {
    ServiceOptions options;
    options.status = 503;
    serve(DrawHistory::demo(), options);
    writeDraws({DrawRecord::seed()});
    const UpdateResult result = update(service->url());
    EXPECT_EQ(service->requestedDates().size(), 3u);
    EXPECT_EQ(result.end, UpdateEnd::Refusing);
    EXPECT_EQ(storedDraws(), std::vector<DrawRecord>{DrawRecord::seed()});
    EXPECT_EQ(ws.view.status.panel0, "Service Unavailable");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(service->url()), std::string::npos) << ui.messages[0];
    EXPECT_NE(ui.messages[0].find("503 Service Unavailable"), std::string::npos) << ui.messages[0];
}

TEST_F(UpdateEndToEnd, ASlowServiceTimesOutAndThreeInARowEndTheUpdate) {
    ServiceOptions options;
    options.delayMs = 700;
    serve(DrawHistory::demo(), options);
    writeDraws({DrawRecord::seed()});
    const UpdateResult result = update(service->url(), 150);
    EXPECT_EQ(result.requested.size(), 3u);
    EXPECT_EQ(result.end, UpdateEnd::Unreachable);
    EXPECT_EQ(ws.view.status.panel0, "Zeitüberschreitung");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(service->url()), std::string::npos);
    EXPECT_NE(ui.messages[0].find("zuletzt: Zeitüberschreitung nach 150 ms"), std::string::npos)
        << ui.messages[0];
}

TEST_F(UpdateEndToEnd, NoServiceAtAllEndsAfterThreeAttempts) {
    writeDraws({DrawRecord::seed()});
    const std::string url = closedPortUrl();
    const UpdateResult result = update(url);
    EXPECT_EQ(result.requested.size(), 3u);
    EXPECT_EQ(result.end, UpdateEnd::Unreachable);
    EXPECT_EQ(storedDraws(), std::vector<DrawRecord>{DrawRecord::seed()});
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find(url), std::string::npos);
    EXPECT_NE(ui.messages[0].find("CSV"), std::string::npos);
}

// Answers the real service never gives. Both dates get the same answer, so each case also
// shows that the update goes on to the next date.
TEST_F(UpdateEndToEnd, BrokenAnswersNeverReachTheDrawFile) {
    setToday(2005, 2, 13);
    using Draw = std::pair<std::array<int, 5>, int>;
    struct Case {
        const char* name;
        ScriptedService::Script answer;
        std::vector<Draw> stored; // per date
        const char* panel0;
    };
    const Case cases[] = {
        {"an unparsable line",
         body("x,5,17,23,40,51,3;\r\nkaputt\r\nx,6,7,8,9,10,1;\r\n"),
         {{{5, 17, 23, 40, 51}, 3}},
         "OK"},
        {"a line without ';'", body("x,5,17,23,40,51,3\r\n"), {}, "OK"},
        {"out-of-range values", body("x,5,17,23,40,60,3;\r\nx,5,17,23,40,51,12;\r\n"), {}, "OK"},
        {"a body over 1 MiB",
         body("x,5,17,23,40,51,3;\r\n" + std::string(1 << 20, ' ')),
         {},
         "Antwort zu groß"},
        {"a redirect loop",
         [](httplib::Response& res) { res.set_redirect("/loop"); },
         {},
         "Zu viele Umleitungen"},
        {"an error status with a draw line",
         [](httplib::Response& res) {
             res.status = 404;
             res.set_content("x,5,17,23,40,51,3;", "text/plain");
         },
         {},
         "Not Found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedService scripted({{"20050212", c.answer}, {"20050213", c.answer}});
        platform::QtHttpClient ownClient; // closes its connections before the server stops
        writeDraws({DrawRecord::seed()});
        const UpdateResult result =
            updateDrawDatabase(ws.program, ws.options, ws.ticket, ws.drawWindow, ws.run, ws.view,
                               ownClient, parameters(scripted.url()));
        EXPECT_EQ(result.requested.size(), 2u);
        // Qt's redirect handling may send a request twice; each date reached the server.
        Dates reached = scripted.dates();
        reached.erase(std::unique(reached.begin(), reached.end()), reached.end());
        EXPECT_EQ(reached, (Dates{"20050212", "20050213"}));
        std::vector<DrawRecord> expected{DrawRecord::seed()};
        for (const double date : {day(2005, 2, 12), day(2005, 2, 13)})
            for (const auto& [numbers, key] : c.stored)
                expected.push_back(draw(date, numbers, key));
        EXPECT_EQ(storedDraws(), expected);
        EXPECT_EQ(ws.view.status.panel0, c.panel0);
    }
}

} // namespace
} // namespace kav::test
