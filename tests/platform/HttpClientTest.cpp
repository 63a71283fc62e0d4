// SPDX-License-Identifier: GPL-3.0-or-later
// The HTTP client against a real server on 127.0.0.1: what a response carries, and each
// way a request can fail.
#include "LocalHttpServer.h"
#include "QtHttpClient.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <memory>
#include <thread>

using kav::HttpRequest;
using kav::HttpResponse;
using kav::test::closedPort;

namespace {

// The routes every case below uses, on a server of their own.
class LocalServer : public kav::test::LocalHttpServer {
public:
    LocalServer() {
        server.Get("/text", [](const httplib::Request& req, httplib::Response& res) {
            res.set_header("Last-Modified", "Tue, 03 Mar 2020 10:20:30 GMT");
            res.set_content("a;b\r\nagent=" + req.get_header_value("User-Agent") +
                                "\r\naccept=" + req.get_header_value("Accept"),
                            "text/plain");
        });
        server.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("nothing here", "text/plain");
        });
        server.Get("/loop", [](const httplib::Request&, httplib::Response& res) {
            res.set_redirect("/loop");
        });
        server.Get("/slow", [](const httplib::Request&, httplib::Response& res) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            res.set_content("late", "text/plain");
        });
        // Half a megabyte announced, then a byte every 100 ms: each keeps the transfer
        // time-out from firing.
        server.Get("/trickle", [](const httplib::Request&, httplib::Response& res) {
            res.set_content_provider(
                500000, "text/plain", [](std::size_t, std::size_t, httplib::DataSink& sink) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                    return sink.write("x", 1);
                });
        });
        server.Get("/big", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string(5000, 'x'), "text/plain");
        });
        server.Get("/big-chunked", [](const httplib::Request&, httplib::Response& res) {
            res.set_chunked_content_provider("text/plain",
                                             [](std::size_t, httplib::DataSink& sink) {
                                                 const std::string piece(1000, 'y');
                                                 for (int i = 0; i < 5; ++i)
                                                     sink.write(piece.data(), piece.size());
                                                 sink.done();
                                                 return true;
                                             });
        });
        // 132 bytes on the wire that unpack to 100,000: the limit holds for what arrives
        // unpacked, so a small compressed answer cannot fill the memory.
        server.Get("/gzip-bomb", [](const httplib::Request&, httplib::Response& res) {
            static const char packed[] =
                "\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03\xed\xc1\x31\x01\x00\x00"
                "\x00\xc2\xa0\xde\x4b\x6f\x0d\x0f\xa0\x00\x00\x00\x00\x00\x00\x00"
                "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                "\x00\x00\x00\x00\x00\x00\x00\x00\x00\x80\x57\x03\x24\x97\xe1\xff"
                "\xa0\x86\x01\x00";
            res.set_header("Content-Encoding", "gzip");
            res.set_content(std::string(packed, sizeof packed - 1), "application/octet-stream");
        });
        server.Get("/set-cookie", [](const httplib::Request&, httplib::Response& res) {
            res.set_header("Set-Cookie", "session=abc; Path=/");
            res.set_content("ok", "text/plain");
        });
        server.Get("/echo-cookie", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(req.get_header_value("Cookie"), "text/plain");
        });
        start();
    }
};

} // namespace

class HttpClientTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void initTestCase() { server = std::make_unique<LocalServer>(); }
    void cleanupTestCase() { server.reset(); }

    void responseCarriesStatusHeadersAndBody() {
        kav::platform::QtHttpClient client;
        HttpRequest request;
        request.url = server->url("/text");
        request.headers = {{"Accept", "text/html, */*"}, {"User-Agent", "Probe/1.0"}};
        const HttpResponse r = client.get(request);
        QVERIFY(!r.failed());
        QCOMPARE(r.statusCode, 200);
        QCOMPARE(QString::fromStdString(r.statusText), QStringLiteral("OK"));
        QCOMPARE(QString::fromStdString(r.body),
                 QStringLiteral("a;b\r\nagent=Probe/1.0\r\naccept=text/html, */*"));
        QVERIFY(r.lastModified.has_value());
        QCOMPARE(*r.lastModified, std::int64_t{1583230830});
    }

    void errorStatusIsAnAnswerNotAFailure() {
        kav::platform::QtHttpClient client;
        HttpRequest request;
        request.url = server->url("/missing");
        const HttpResponse r = client.get(request);
        QVERIFY(!r.failed());
        QCOMPARE(r.statusCode, 404);
        QCOMPARE(QString::fromStdString(r.statusText), QStringLiteral("Not Found"));
        QCOMPARE(QString::fromStdString(r.body), QStringLiteral("nothing here"));
    }

    void cookiesAreKeptForTheClientsLifetime() {
        kav::platform::QtHttpClient client;
        HttpRequest request;
        request.url = server->url("/set-cookie");
        QVERIFY(!client.get(request).failed());
        request.url = server->url("/echo-cookie");
        QCOMPARE(QString::fromStdString(client.get(request).body), QStringLiteral("session=abc"));
    }

    void failures_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<int>("maxBody");
        QTest::addColumn<int>("failure");
        QTest::addColumn<bool>("unreachable");
        using F = HttpResponse::Failure;
        QTest::newRow("redirect loop")
            << "/loop" << 5000 << (1 << 20) << int(F::TooManyRedirects) << false;
        QTest::newRow("time-out") << "/slow" << 300 << (1 << 20) << int(F::Timeout) << true;
        QTest::newRow("announced body over the limit")
            << "/big" << 5000 << 4999 << int(F::TooLarge) << false;
        QTest::newRow("chunked body over the limit")
            << "/big-chunked" << 5000 << 4999 << int(F::TooLarge) << false;
        QTest::newRow("compressed body unpacking over the limit")
            << "/gzip-bomb" << 5000 << 4999 << int(F::TooLarge) << false;
        QTest::newRow("body at the limit") << "/big" << 5000 << 5000 << int(F::None) << false;
    }
    void failures() {
        QFETCH(QString, path);
        QFETCH(int, timeoutMs);
        QFETCH(int, maxBody);
        QFETCH(int, failure);
        QFETCH(bool, unreachable);
        kav::platform::QtHttpClient client;
        HttpRequest request;
        request.url = server->url(path.toStdString());
        request.timeoutMs = timeoutMs;
        request.maxBodyBytes = static_cast<std::size_t>(maxBody);
        const HttpResponse r = client.get(request);
        QCOMPARE(int(r.failure), failure);
        QCOMPARE(r.unreachable(), unreachable);
        if (r.failed()) {
            QVERIFY(r.body.empty());
            QVERIFY(!r.errorText.empty());
        }
    }

    // A service that trickled kept the update running without end: the time-out restarts
    // with every byte, the deadline does not.
    void aTricklingAnswerEndsAtTheDeadline() {
        kav::platform::QtHttpClient client;
        HttpRequest request;
        request.url = server->url("/trickle");
        request.timeoutMs = 1000;
        request.deadlineMs = 1500;
        QElapsedTimer clock;
        clock.start();
        const HttpResponse r = client.get(request);
        QCOMPARE(int(r.failure), int(HttpResponse::Failure::Timeout));
        QVERIFY(r.unreachable());
        QVERIFY(r.body.empty());
        QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    }

    void refusedConnectionIsUnreachable() {
        kav::platform::QtHttpClient client;
        HttpRequest request;
        request.url = "http://127.0.0.1:" + std::to_string(closedPort()) + "/x";
        const HttpResponse r = client.get(request);
        QCOMPARE(int(r.failure), int(HttpResponse::Failure::Connection));
        QVERIFY(r.unreachable());
        QCOMPARE(r.statusCode, 0);
    }

private:
    std::unique_ptr<LocalServer> server;
};

QTEST_GUILESS_MAIN(HttpClientTest)
#include "HttpClientTest.moc"
