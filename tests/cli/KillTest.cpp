// SPDX-License-Identifier: GPL-3.0-or-later
// The real kavanto-cli killed with SIGKILL at random moments while it writes the draw file
// (an update against the draw-data service on 127.0.0.1, manual entries that append or
// merge, deletions, CSV imports), CSV exports, and pairs of writers running at once. After
// every trial the draw file must be whole records in date order and hold every draw that a
// writer reported as stored (exit code 0) and that no later writer could have changed; the
// export is a whole CSV file or none, and an export that ends leaves no temporary file of a
// killed one behind.
#include "DrawHistory.h"
#include "DrawService.h"
#include "base/AtomicFile.h"
#include "base/DayCount.h"
#include "draws/DrawFile.h"
#include "support/ChildProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>
#include <thread>

namespace kav::test {
namespace {

using drawservice::DrawHistory;
using Clock = std::chrono::steady_clock;

// Trials and pairs of one run; the environment may ask for more (a longer soak by hand).
int countFromEnvironment(const char* name, int fallback) {
    const QByteArray value = qgetenv(name);
    bool ok = false;
    const int n = value.toInt(&ok);
    return ok && n > 0 ? n : fallback;
}

const DayCount kSeedDay = dayCountFromCivil({2005, 2, 6});
// The service's today: far enough that the updates of a whole run never run out of draws.
const DayCount kServiceToday = dayCountFromCivil({2030, 12, 29});

enum class Operation { Update, Add, Delete, Import, Export };

const char* nameOf(Operation op) {
    switch (op) {
    case Operation::Update:
        return "update";
    case Operation::Add:
        return "add";
    case Operation::Delete:
        return "delete";
    case Operation::Import:
        return "import";
    case Operation::Export:
        return "export";
    }
    return "?";
}

// One writer run: its arguments and what it stores when it reports success.
struct Job {
    Operation op = Operation::Update;
    QStringList args;
    std::vector<DrawRecord> draws; // add and import: the records it stores
    DayCount deleted = 0;          // delete: the date it removes
};

struct Outcome {
    bool completed = false; // ended by itself with exit code 0
    bool killed = false;
    int exitCode = -1;
    std::string out, err;
};

// A running kavanto-cli.
class CliProcess {
public:
    CliProcess(const std::filesystem::path& dataDir, const Job& job) {
        QStringList args{"--data-dir", QString::fromStdString(dataDir.string()), "--defaults",
                         "--json"};
        args += job.args;
        process_.start(KAVANTO_CLI_BINARY, args);
        process_.waitForStarted(30000);
    }
    void kill() {
        if (process_.state() != QProcess::NotRunning)
            process_.kill();
    }
    Outcome finish() {
        EXPECT_TRUE(finishesWithin(process_, 60000));
        Outcome o;
        o.killed = process_.exitStatus() == QProcess::CrashExit;
        o.exitCode = o.killed ? -1 : process_.exitCode();
        o.completed = !o.killed && o.exitCode == 0;
        o.out = process_.readAllStandardOutput().toStdString();
        o.err = process_.readAllStandardError().toStdString();
        return o;
    }

private:
    QProcess process_;
};

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The temporary files a killed rewrite of `name` left in `folder` (the next rewrite
// removes them).
std::vector<std::filesystem::path> temporariesOf(const std::filesystem::path& folder,
                                                 const std::string& name) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (isTemporaryNameFor(entry.path().filename().string(), name))
            found.push_back(entry.path());
    return found;
}

bool hasTemporary(const std::filesystem::path& folder) {
    return !temporariesOf(folder, DrawFile::kFileName).empty();
}

const char* const kExportName = "export.csv";

// A whole export: lines of a date and six numbers, the last one ended.
bool isWholeExport(const std::string& text) {
    if (text.empty() || text.back() != '\n')
        return false;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (std::count(line.begin(), line.end(), ',') != 6)
            return false;
    return true;
}

// What the draw file must hold: by date, the exact record, or any record (nullopt) where
// a killed writer may or may not have replaced it.
using Expected = std::map<DayCount, std::optional<DrawRecord>>;

class KillTrials : public ::testing::Test {
protected:
    KillTrials() {
        drawservice::ServiceOptions options;
        options.port = 0;
        options.today = [] { return kServiceToday; };
        service = std::make_unique<drawservice::DrawService>(DrawHistory::demo(), options);
        service->start();
        dataDir = std::filesystem::path(dir.path().toStdString());
        // The starting point: the seed draw, as after `init`.
        DrawFile(dataDir).createWithSeed();
        expected[kSeedDay] = DrawRecord::seed();
    }

    std::vector<DrawRecord> stored() const { return DrawFile(dataDir).readAll().records; }

    DayCount newest() const {
        const auto records = stored();
        return records.empty() ? kSeedDay : wholeDayOf(records.back().date);
    }

    // A random date of the stored range: a Wednesday (no draw of the service falls on
    // one) or, when `sundays`, also a Sunday (replacing the service's draw).
    DayCount randomDate(DayCount last, bool sundays) {
        const int weeks = std::max(1, (last - kSeedDay) / 7);
        const DayCount sunday = kSeedDay + 7 * std::uniform_int_distribution<int>(0, weeks)(random);
        if (sundays && random() % 2 == 0 && sunday > kSeedDay)
            return sunday;
        return sunday + 3;
    }

    DrawRecord randomDraw(DayCount date) {
        std::vector<int> all(54);
        std::iota(all.begin(), all.end(), 1);
        std::shuffle(all.begin(), all.end(), random);
        std::array<int, 5> numbers{all[0], all[1], all[2], all[3], all[4]};
        std::sort(numbers.begin(), numbers.end());
        return DrawRecord::make(static_cast<double>(date), numbers,
                                std::uniform_int_distribution<int>(0, 9)(random));
    }

    QString today(DayCount date) const { return QString::fromStdString(formatShortDate(date)); }

    Job updateJob() {
        // A few weeks beyond the newest draw, so each update has draws to fetch.
        const DayCount until = std::min(
            kServiceToday, newest() + 7 * std::uniform_int_distribution<int>(1, 8)(random));
        return {
            Operation::Update,
            {"--today", today(until), "update", "--host", QString::fromStdString(service->url())},
            {},
            0};
    }

    Job addJob(DayCount date) {
        const DrawRecord d = randomDraw(date);
        QStringList args{"--today", today(kServiceToday), "add", today(date)};
        for (int i = 0; i < 5; ++i)
            args << QString::number(d.number(i));
        args << QString::number(d.key());
        return {Operation::Add, args, {d}, 0};
    }

    Job deleteJob(DayCount date) {
        return {Operation::Delete,
                {"--today", today(kServiceToday), "--end", today(date), "delete"},
                {},
                date};
    }

    Job importJob(std::vector<DayCount> dates) {
        const std::filesystem::path csv =
            dataDir / ("import-" + std::to_string(csvCount++) + ".csv");
        std::ofstream out(csv, std::ios::binary);
        Job job{Operation::Import,
                {"--today", today(kServiceToday), "import", QString::fromStdString(csv.string()),
                 "--replace"},
                {},
                0};
        std::sort(dates.begin(), dates.end());
        dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
        for (const DayCount date : dates) {
            const DrawRecord d = randomDraw(date);
            out << formatShortDate(date);
            for (int i = 0; i < 5; ++i)
                out << ',' << d.number(i);
            out << ',' << d.key() << '\n';
            job.draws.push_back(d);
        }
        return job;
    }

    Job exportJob() const {
        return {Operation::Export,
                {"export", QString::fromStdString((dataDir / kExportName).string())},
                {},
                0};
    }

    // A random writer for a trial of its own.
    Job randomJob() {
        const std::vector<DrawRecord> records = stored();
        const DayCount last = records.empty() ? kSeedDay : wholeDayOf(records.back().date);
        switch (std::uniform_int_distribution<int>(0, 10)(random)) {
        case 0:
        case 1:
        case 2:
            return updateJob();
        case 3:
            return addJob(last + 7); // appended
        case 4:
        case 5:
            return addJob(randomDate(last, true)); // merged: inserted or replacing
        case 6:
        case 7:
            if (records.size() > 1) {
                const auto i =
                    std::uniform_int_distribution<std::size_t>(1, records.size() - 1)(random);
                return deleteJob(wholeDayOf(records[i].date));
            }
            return updateJob();
        case 8:
            return exportJob();
        default: {
            std::vector<DayCount> dates;
            for (int n = std::uniform_int_distribution<int>(1, 4)(random); n > 0; --n)
                dates.push_back(randomDate(last, true));
            return importJob(dates);
        }
        }
    }

    // The model before a writer starts: what it may change is no longer certain.
    void beforeRun(const Job& job) {
        if (job.op == Operation::Delete)
            expected.erase(job.deleted);
        for (const DrawRecord& d : job.draws) {
            const auto it = expected.find(wholeDayOf(d.date));
            if (it != expected.end())
                it->second = std::nullopt;
        }
    }

    // The model after a writer reported success.
    void afterSuccess(const Job& job, const Outcome& outcome) {
        for (const DrawRecord& d : job.draws)
            expected[wholeDayOf(d.date)] = d;
        if (job.op == Operation::Update) {
            const QJsonObject json =
                QJsonDocument::fromJson(QByteArray::fromStdString(outcome.out)).object();
            for (const QJsonValue value : json["requested"].toArray()) {
                const std::string text = value.toString().toStdString();
                const DayCount date =
                    dayCountFromCivil({std::stoi(text.substr(0, 4)), std::stoi(text.substr(4, 2)),
                                       std::stoi(text.substr(6, 2))});
                if (weekdayOf(date) == 0)
                    expected[date] = DrawHistory::demoDraw(date);
            }
        }
    }

    // An export that ended removed the temporary files killed exports had left, except
    // those too young to tell from a writer at work (AtomicFile's minimum age, 2 s).
    void checkExportCleanedUp(Clock::time_point exportStart) const {
        const auto now = std::filesystem::file_time_type::clock::now();
        const auto age = std::chrono::duration_cast<std::chrono::milliseconds>(
            Clock::now() - exportStart + std::chrono::seconds(2));
        for (const std::filesystem::path& left : temporariesOf(dataDir, kExportName))
            EXPECT_LT(now - std::filesystem::last_write_time(left), age)
                << left << " outlived the export that should have removed it";
    }

    // Whole records, strictly in date order, holding every draw the model requires.
    void checkFile(const std::string& when) {
        const auto path = DrawFile(dataDir).path();
        const auto size = std::filesystem::file_size(path);
        ASSERT_EQ(size % kRecordSize, 0u) << when << ": a torn record";
        const std::vector<DrawRecord> records = stored();
        std::map<DayCount, DrawRecord> byDate;
        for (std::size_t i = 0; i < records.size(); ++i) {
            ASSERT_TRUE(records[i].isValid()) << when << ": damaged record " << i;
            if (i > 0) {
                ASSERT_LT(records[i - 1].date, records[i].date)
                    << when << ": record " << i << " out of date order";
            }
            byDate[wholeDayOf(records[i].date)] = records[i];
        }
        for (const auto& [date, record] : expected) {
            const auto it = byDate.find(date);
            ASSERT_NE(it, byDate.end()) << when << ": the draw of " << formatShortDate(date)
                                        << " a writer reported as stored is lost";
            if (record) {
                ASSERT_EQ(it->second, *record)
                    << when << ": the draw of " << formatShortDate(date) << " differs";
            }
        }
    }

    QTemporaryDir dir;
    std::filesystem::path dataDir;
    std::unique_ptr<drawservice::DrawService> service;
    std::mt19937 random{20260214};
    Expected expected;
    int csvCount = 0;
};

TEST_F(KillTrials, AKilledWriterNeverLosesOrTearsADraw) {
    const int trials = countFromEnvironment("KAVANTO_KILL_TRIALS", 400);
    // The kill moment lies between the start and a little after a typical run of that
    // writer has ended, so most trials are cut off somewhere inside the work and some end
    // by themselves; the typical time is learnt from the runs that ended.
    std::map<Operation, double> typicalMs{{Operation::Update, 150},
                                          {Operation::Add, 100},
                                          {Operation::Delete, 100},
                                          {Operation::Import, 100},
                                          {Operation::Export, 100}};
    std::map<Operation, std::pair<int, int>> counts; // killed, completed
    // Kills that came after the writer had changed the draw file, or while its temporary
    // file existed: the moments that matter.
    int killedAfterAChange = 0, killedWithATemporary = 0, exportsKilledWithATemporary = 0;
    const auto drawFilePath = DrawFile(dataDir).path();
    for (int trial = 0; trial < trials; ++trial) {
        const Job job = randomJob();
        const std::string before = readAll(drawFilePath);
        beforeRun(job);
        const auto delay = std::chrono::microseconds(static_cast<long>(
            std::uniform_real_distribution<double>(0, 1.2 * typicalMs[job.op])(random) * 1000));
        const auto start = Clock::now();
        CliProcess process(dataDir, job);
        std::this_thread::sleep_for(delay);
        process.kill();
        const Outcome outcome = process.finish();
        if (outcome.completed) {
            const double ms =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            typicalMs[job.op] = 0.8 * typicalMs[job.op] + 0.2 * ms;
            afterSuccess(job, outcome);
            ++counts[job.op].second;
            if (job.op == Operation::Export)
                checkExportCleanedUp(start);
        } else {
            ASSERT_TRUE(outcome.killed) << nameOf(job.op) << " failed: " << outcome.err;
            ++counts[job.op].first;
            killedAfterAChange += readAll(drawFilePath) != before ? 1 : 0;
            killedWithATemporary += hasTemporary(dataDir) ? 1 : 0;
            if (job.op == Operation::Export)
                exportsKilledWithATemporary += temporariesOf(dataDir, kExportName).empty() ? 0 : 1;
        }
        const std::filesystem::path exported = dataDir / kExportName;
        if (std::filesystem::exists(exported)) {
            ASSERT_TRUE(isWholeExport(readAll(exported))) << "trial " << trial << ": a torn export";
        }
        checkFile("trial " + std::to_string(trial) + " (" + nameOf(job.op) +
                  (outcome.killed ? ", killed" : "") + ")");
        if (HasFatalFailure())
            return;
    }
    std::cout << "[ kill     ] " << trials << " trials:";
    for (const auto& [op, c] : counts)
        std::cout << ' ' << nameOf(op) << ' ' << c.first << " killed/" << c.second << " done;";
    std::cout << ' ' << killedAfterAChange << " killed after changing the file, "
              << killedWithATemporary << " with a temporary file left, "
              << exportsKilledWithATemporary << " exports killed with a temporary file left; "
              << stored().size() << " draws at the end\n";
}

TEST_F(KillTrials, ConcurrentWritersBothStoreTheirDraws) {
    const int pairs = countFromEnvironment("KAVANTO_KILL_PAIRS", 60);
    int completedPairs = 0, withKill = 0;
    for (int pair = 0; pair < pairs; ++pair) {
        // Writers of different dates: the updates store Sundays after the newest draw, the
        // entries and imports Wednesdays, the deletions an existing Sunday; so the result
        // does not depend on which of the two gets the lock first.
        const std::vector<DrawRecord> records = stored();
        const DayCount last = newest();
        const DayCount a = randomDate(last, false);
        DayCount b = randomDate(last, false);
        if (b == a)
            b = last + 3 + 7;
        std::vector<DayCount> sundays;
        for (const DrawRecord& r : records)
            if (weekdayOf(wholeDayOf(r.date)) == 0 && wholeDayOf(r.date) != kSeedDay)
                sundays.push_back(wholeDayOf(r.date));
        const auto writer = [&](int which, DayCount date) -> Job {
            switch (which) {
            case 0:
                return updateJob();
            case 1:
                return addJob(date);
            case 2:
                if (!sundays.empty())
                    return deleteJob(sundays[std::uniform_int_distribution<std::size_t>(
                        0, sundays.size() - 1)(random)]);
                return addJob(date);
            default:
                return importJob({date});
            }
        };
        int first = pair % 4, second = (pair / 4) % 4;
        if (first == 0 && second == 0)
            second = 1; // two updates would fetch the same dates
        if (first == 2 && second == 2)
            second = 3; // nor delete the same date
        const Job jobs[2] = {writer(first, a), writer(second, b)};
        for (const Job& job : jobs)
            beforeRun(job);
        CliProcess one(dataDir, jobs[0]);
        CliProcess two(dataDir, jobs[1]);
        // Every other pair, the first writer is killed while the second may wait for its
        // lock: the system frees it at once and the second goes on.
        const bool kill = pair % 2 == 1;
        if (kill) {
            std::this_thread::sleep_for(
                std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 120)(random)));
            one.kill();
        }
        const Outcome outcomes[2] = {one.finish(), two.finish()};
        for (int i = 0; i < 2; ++i) {
            if (outcomes[i].completed) {
                afterSuccess(jobs[i], outcomes[i]);
            } else {
                ASSERT_TRUE(kill && i == 0 && outcomes[i].killed)
                    << nameOf(jobs[i].op) << " failed: " << outcomes[i].err;
            }
        }
        completedPairs += outcomes[0].completed && outcomes[1].completed ? 1 : 0;
        withKill += outcomes[0].killed ? 1 : 0;
        checkFile("pair " + std::to_string(pair) + " (" + nameOf(jobs[0].op) + " + " +
                  nameOf(jobs[1].op) + ")");
        if (HasFatalFailure())
            return;
    }
    std::cout << "[ kill     ] " << pairs << " pairs of concurrent writers: " << completedPairs
              << " with both done, " << withKill << " with the first killed\n";
}

} // namespace
} // namespace kav::test
