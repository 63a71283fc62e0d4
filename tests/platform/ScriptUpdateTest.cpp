// SPDX-License-Identifier: GPL-3.0-or-later
// The script update check end to end: the real HTTP client against a script server on
// 127.0.0.1, and the desktop's keychain where there is none.
#include "output/ScriptUpdate.h"
#include "KeychainSecretStore.h"
#include "LocalHttpServer.h"
#include "QtHttpClient.h"
#include "support/TestEnvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <filesystem>

using kav::ScriptUpdateResult;

namespace {

// "Tue, 03 Mar 2020 10:20:30 GMT" for a time `secondsAgo` before now.
std::string httpDate(qint64 secondsAgo) {
    const QDateTime when = QDateTime::currentDateTimeUtc().addSecs(-secondsAgo);
    return QLocale::c().toString(when, "ddd, dd MMM yyyy hh:mm:ss 'GMT'").toStdString();
}

} // namespace

class ScriptUpdateTest : public QObject {
    Q_OBJECT

public:
    // QTEST_MAIN calls it before the application object exists.
    static void initMain() { kav::test::useTestEnvironment(); }

private slots:
    void init() {
        requests = 0;
        serverBody = "TIPP 1 = [Z1_1]\r\n";
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(folder->path()).mkpath("Script"));
        local = folder->filePath("Script/Beispiel.vks");
        writeLocal("lokal", 7200);
        server = std::make_unique<kav::test::LocalHttpServer>();
        server->server.Get("/scripts/Beispiel.vks.txt",
                           [this](const httplib::Request&, httplib::Response& res) {
                               ++requests;
                               res.set_header("Last-Modified", httpDate(serverAge));
                               res.set_content(serverBody, "text/plain");
                           });
        server->start();
    }
    void cleanup() {
        server.reset();
        folder.reset();
    }

    void anOlderLocalTemplateIsReplaced() {
        QCOMPARE(check(), ScriptUpdateResult::Replaced);
        QCOMPARE(requests.load(), 1);
        QCOMPARE(readLocal(), QByteArray("TIPP 1 = [Z1_1]\r\n"));
    }

    void aNewerLocalTemplateIsKept() {
        writeLocal("lokal", 60);
        QCOMPARE(check(), ScriptUpdateResult::Unchanged);
        QCOMPARE(requests.load(), 1);
        QCOMPARE(readLocal(), QByteArray("lokal"));
    }

    void aDownloadOverOneMebibyteIsRefused() {
        serverBody = std::string((std::size_t{1} << 20) + 1, 'x');
        QCOMPARE(check(), ScriptUpdateResult::Failed);
        QCOMPARE(readLocal(), QByteArray("lokal"));
        serverBody.pop_back(); // exactly the limit is taken
        QCOMPARE(check(), ScriptUpdateResult::Replaced);
        QCOMPARE(readLocal().size(), qsizetype{1} << 20);
    }

    void aServerThatIsNotThereIsSilent() {
        kav::platform::QtHttpClient client;
        kav::ScriptServer nowhere;
        nowhere.address = "http://127.0.0.1:" + std::to_string(kav::test::closedPort());
        QCOMPARE(kav::updateClickScriptTemplate(client, nowhere, local.toStdString(),
                                                folder->path().toStdString()),
                 ScriptUpdateResult::Failed);
        QCOMPARE(readLocal(), QByteArray("lokal"));
    }

    // Without a session bus (as in CI) there is no keychain: it says so at once instead of
    // failing or falling back to a plain file.
    void withoutADesktopSessionTheKeychainIsUnavailable() {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/kavanto-test-bus");
        kav::platform::KeychainSecretStore keychain(QStringLiteral("Kavanto Test"));
        QCOMPARE(int(keychain.read("KavantoText2").status),
                 int(kav::SecretStore::Status::Unavailable));
        QCOMPARE(int(keychain.write("KavantoText2", "geheim")),
                 int(kav::SecretStore::Status::Unavailable));
    }

private:
    ScriptUpdateResult check() {
        kav::platform::QtHttpClient client;
        kav::ScriptServer scripts;
        scripts.address = server->base();
        return kav::updateClickScriptTemplate(client, scripts, local.toStdString(),
                                              folder->path().toStdString());
    }
    void writeLocal(const QByteArray& content, qint64 secondsAgo) {
        QFile file(local);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-secondsAgo),
                                 QFileDevice::FileModificationTime));
    }
    QByteArray readLocal() const {
        QFile file(local);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<kav::test::LocalHttpServer> server;
    QString local;
    std::string serverBody = "TIPP 1 = [Z1_1]\r\n";
    qint64 serverAge = 3600;
    std::atomic<int> requests{0};
};

QTEST_GUILESS_MAIN(ScriptUpdateTest)
#include "ScriptUpdateTest.moc"
