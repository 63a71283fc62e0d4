// SPDX-License-Identifier: GPL-3.0-or-later
// kavanto-cli update against the real draw-data service on 127.0.0.1, and the CSV import
// and export of draws.
#include "CliRunner.h"
#include "DrawService.h"
#include "draws/DrawFile.h"

#include <QJsonArray>
#include <QTcpServer>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace kav::test {
namespace {

using drawservice::DrawHistory;
using drawservice::DrawService;

std::unique_ptr<DrawService> demoService(const std::string& today,
                                         std::optional<std::string> message = {}) {
    drawservice::ServiceOptions options;
    options.port = 0;
    options.message = std::move(message);
    options.today = [day = *parseShortDate(today)] { return day; };
    auto service = std::make_unique<DrawService>(DrawHistory::demo(), options);
    service->start();
    return service;
}

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(CliUpdate, FillsAnEmptyProgramFolderFromTheService) {
    const auto service = demoService("27.02.2005");
    CliRunner cli;
    const CliResult r =
        cli.run({"--today", "27.02.2005", "--json", "update", "--host", service->url()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QJsonObject json = r.json();
    EXPECT_EQ(json["requested"].toArray(),
              (QJsonArray{"20050212", "20050213", "20050219", "20050220", "20050226", "20050227"}));
    EXPECT_EQ(json["added"].toInt(), 3);
    EXPECT_TRUE(json["message"].isNull());
    EXPECT_EQ(std::filesystem::file_size(cli.dataDir() / "ZahlenKav.dat"), 4u * 16);

    // Up to date: nothing more to ask.
    const CliResult again =
        cli.run({"--today", "27.02.2005", "--json", "update", "--host", service->url()});
    EXPECT_EQ(again.json()["requested"].toArray(), QJsonArray{});
    EXPECT_EQ(again.json()["added"].toInt(), 0);
}

TEST(CliUpdate, AMessageIsPartOfTheResult) {
    const auto service = demoService("27.02.2005", "Bitte die neue Version laden.");
    CliRunner cli;
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);
    const CliResult r =
        cli.run({"--today", "27.02.2005", "--json", "update", "--host", service->url()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.json()["requested"].toArray(), QJsonArray{"20050212"});
    EXPECT_EQ(r.json()["message"].toString(), "Mitteilung\r\nBitte die neue Version laden.\r\n");
}

TEST(CliUpdate, AnUnreachableServiceIsAFailureAndABadAddressBadUsage) {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const std::string url = "http://127.0.0.1:" + std::to_string(probe.serverPort());
    probe.close();
    CliRunner cli;
    const CliResult r = cli.run({"--today", "27.02.2005", "--json", "update", "--host", url});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.json()["requested"].toArray().size(), 3);
    EXPECT_NE(r.err.find(url), std::string::npos) << r.err;
    // The seed draw stays.
    EXPECT_EQ(std::filesystem::file_size(cli.dataDir() / "ZahlenKav.dat"), 16u);

    for (const char* bad : {"127.0.0.1:8754", "http://host/path", "ftp://host"})
        EXPECT_EQ(cli.run({"update", "--host", bad}).exitCode, 2) << bad;
    EXPECT_EQ(cli.run({"update", "--host"}).exitCode, 2);
}

TEST(CliCsv, ExportThenImportIntoAnEmptyFolderGivesTheSameFile) {
    const auto service = demoService("30.06.2005");
    CliRunner source;
    ASSERT_EQ(source.run({"--today", "30.06.2005", "update", "--host", service->url()}).exitCode,
              0);
    const auto csv = source.dataDir() / "draws.csv";
    const CliResult exported = source.run({"export", csv.string()});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_TRUE(exported.out.empty());
    EXPECT_EQ(readText(csv).rfind("date,n1,n2,n3,n4,n5,key\r\n2005-02-06,34,42,47,48,51,5\r\n", 0),
              0u);

    CliRunner target;
    const CliResult imported =
        target.run({"--today", "30.06.2005", "--json", "import", csv.string()});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(imported.json()["added"].toInt(), 21);
    EXPECT_EQ(imported.json()["unchanged"].toInt(), 0);
    EXPECT_EQ(imported.json()["conflicts"].toInt(), 0);
    EXPECT_EQ(readText(target.dataDir() / "ZahlenKav.dat"),
              readText(source.dataDir() / "ZahlenKav.dat"));
}

TEST(CliCsv, ConflictsNeedReplaceAndABadLineChangesNothing) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"init"}).exitCode, 0);
    const auto csv = cli.dataDir() / "in.csv";
    writeText(csv, "06.02.2005;1;2;3;4;5;6\r\n13.02.2005;5;17;23;40;51;3\r\n");
    const CliResult kept = cli.run({"--json", "import", csv.string()});
    ASSERT_EQ(kept.exitCode, 0) << kept.err;
    EXPECT_EQ(kept.out, "{\"added\":1,\"conflicts\":1,\"unchanged\":0}\n");
    EXPECT_EQ(cli.run({"--json", "draws"}).json()["draws"].toArray()[0].toObject()["key"].toInt(),
              5);

    const CliResult replaced = cli.run({"--json", "import", csv.string(), "--replace"});
    EXPECT_EQ(replaced.json()["unchanged"].toInt(), 1);
    EXPECT_EQ(replaced.json()["conflicts"].toInt(), 1);
    EXPECT_EQ(cli.run({"--json", "draws"}).json()["draws"].toArray()[0].toObject()["key"].toInt(),
              6);

    const std::string before = readText(cli.dataDir() / "ZahlenKav.dat");
    writeText(csv, "date,n1,n2,n3,n4,n5,key\r\n2005-02-20,1,2,3,4,5,6\r\n2005-02-27,1,2,3,4,5\r\n");
    const CliResult bad = cli.run({"import", csv.string()});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.err.find("Zeile 3: 7 Werte erwartet"), std::string::npos) << bad.err;
    EXPECT_EQ(readText(cli.dataDir() / "ZahlenKav.dat"), before);

    EXPECT_EQ(cli.run({"import"}).exitCode, 2);
    EXPECT_EQ(cli.run({"export"}).exitCode, 2);
    EXPECT_EQ(cli.run({"import", (cli.dataDir() / "none.csv").string()}).exitCode, 1);
}

} // namespace
} // namespace kav::test
