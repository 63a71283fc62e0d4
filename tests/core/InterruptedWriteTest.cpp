// SPDX-License-Identifier: GPL-3.0-or-later
// Interrupted writes: every writer of the program runs against a file layer that fails at
// each step it takes (after N bytes for every N, at each open, sync, close and rename), and
// against a real full disk and a real read-only folder (a small tmpfs, where the test may
// mount one). After each failure every file is as it was before or one of the complete
// versions the writer produces, no temporary file is left, and the user got one message
// that names the file and the reason.
#include "base/AtomicFile.h"
#include "base/SettingsValues.h"
#include "commands/AnalysisControl.h"
#include "commands/CsvTransfer.h"
#include "commands/DrawEditing.h"
#include "commands/DrawReading.h"
#include "commands/DrawSelection.h"
#include "commands/InternetUpdate.h"
#include "commands/Printout.h"
#include "commands/Submission.h"
#include "draws/DrawMaintenance.h"
#include "draws/DrawMerge.h"
#include "draws/DrawServiceProtocol.h"
#include "evaluation/Report.h"
#include "evaluation/TipFile.h"
#include "generator/NumberList.h"
#include "output/KlickwerkSettings.h"
#include "output/ScriptUpdate.h"
#include "output/TipPrintout.h"
#include "support/FailingFileLayer.h"
#include "support/FakeHttpClient.h"
#include "support/FakeSecretStore.h"
#include "support/WorkspaceFixture.h"

#include <algorithm>
#include <fcntl.h>
#include <iostream>
#include <map>
#include <sched.h>
#include <set>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kav::test {
namespace {

namespace fs = std::filesystem;
using Step = FailingFileLayer::Step;
using Files = std::map<std::string, std::string>; // path in the folder -> bytes
using Problems = std::vector<std::string>;

const std::vector<DrawRecord> kOldDraws{
    draw(day(2024, 5, 18), {3, 14, 25, 36, 47}, 1),
    draw(day(2024, 5, 25), {5, 12, 30, 40, 50}, 3),
    draw(day(2024, 6, 1), {1, 2, 3, 4, 54}, 0),
};

std::string bytesOf(const std::vector<DrawRecord>& records) {
    std::string bytes;
    for (const DrawRecord& r : records) {
        const auto e = r.encode();
        bytes.append(e.begin(), e.end());
    }
    return bytes;
}

// The bytes of a file, with the folder of the run written as "@" (the click script and
// Klickwerk's settings name files in it), so runs in different folders compare.
std::string contentOf(const fs::path& file, const fs::path& folder) {
    std::string bytes = readBytes(file);
    const std::string name = folder.string();
    for (std::size_t at; (at = bytes.find(name)) != std::string::npos;)
        bytes.replace(at, name.size(), "@");
    return bytes;
}

// Every file below `folder` but the draw file's lock file (which is never replaced).
Files filesIn(const fs::path& folder) {
    Files files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename() != DrawFile::kLockFileName)
            files[entry.path().lexically_relative(folder).string()] =
                contentOf(entry.path(), folder);
    return files;
}

// The world one writer runs in: a program folder with the files it finds there, the
// user's answers, a draw-data service and a script server that answer as prepared.
struct WriterRun {
    explicit WriterRun(const fs::path& where) : folder(where), ws(where, ui) {
        ws.ticket.evaluationSwitch = true;
        ws.program.todayProvider = [] { return dayCountFromCivil({2024, 6, 9}); };
        http.answer = [](const HttpRequest& request) {
            const std::string date = dateOf(request);
            if (date == "20240608")
                return answerWith(
                    200, drawLineText("08.06.2024", draw(day(2024, 6, 8), {7, 8, 9, 10, 11}, 2)) +
                             "\r\n");
            if (date == "20240609")
                return answerWith(
                    200, drawLineText("09.06.2024", draw(day(2024, 6, 9), {2, 4, 6, 8, 10}, 5)) +
                             "\r\n");
            return answerWith(200);
        };
        parameters.serviceUrl = "http://127.0.0.1:9";
    }

    void writeDraws(const std::vector<DrawRecord>& records) {
        writeBytes(drawFileOf(ws.program).path(), bytesOf(records));
    }
    void showDrawOf(int y, int m, int d) {
        ws.drawWindow.endPicker.set(dayCountFromCivil({y, m, d}));
        SpeedButton5Click(ws.program, ws.ticket, ws.drawWindow, ws.view);
    }
    void setRow(int row, const std::array<std::string, 6>& texts) {
        for (int c = 0; c < TipSheet::kColumns; ++c)
            ws.ticket.sheet.setCell(row, c, texts[static_cast<std::size_t>(c)]);
    }

    fs::path folder;
    ScriptedInteraction ui;
    Workspace ws;
    FakeHttpClient http;
    UpdateParameters parameters;
    FakeSecretStore secrets;
    KlickwerkSettings klickwerk{folder / "config" / "Klickwerk.conf", secrets};
};

struct Writer {
    const char* name;
    std::function<void(WriterRun&)> prepare;
    std::function<void(WriterRun&)> write; // throws what the user is shown
    // Whether a failure reaches the user as a message (the settings store at the window's
    // close and the template check keep the old file without a word, as designed).
    bool tellsTheUser = true;
};

std::vector<Writer> writers() {
    return {
        {"Ziehung anfügen",
         [](WriterRun& r) {
             r.writeDraws(kOldDraws);
             r.showDrawOf(2024, 6, 1);
             r.ui.drawAnswers.push_back(draw(day(2024, 6, 8), {40, 7, 22, 3, 15}, 9));
         },
         [](WriterRun& r) {
             enterDraw(r.ws.program, r.ws.ticket, r.ws.drawWindow, r.ws.run, r.ws.view);
         }},
        {"Ziehung ersetzen",
         [](WriterRun& r) {
             r.writeDraws(kOldDraws);
             r.showDrawOf(2024, 5, 25);
             r.ui.drawAnswers.push_back(draw(day(2024, 5, 25), {9, 8, 7, 6, 5}, 4));
         },
         [](WriterRun& r) {
             enterDraw(r.ws.program, r.ws.ticket, r.ws.drawWindow, r.ws.run, r.ws.view);
         }},
        {"Ziehung löschen",
         [](WriterRun& r) {
             r.writeDraws(kOldDraws);
             r.showDrawOf(2024, 5, 25);
         },
         [](WriterRun& r) {
             deleteCurrentDraw(r.ws.program, r.ws.ticket, r.ws.drawWindow, r.ws.run, r.ws.view);
         }},
        {"CSV-Import",
         [](WriterRun& r) {
             r.writeDraws(kOldDraws);
             writeBytes(r.folder / "neu.csv", "2024-05-25,1,2,3,4,5,6\n2024-06-08,7,8,9,10,11,2\n");
         },
         [](WriterRun& r) {
             importDrawsFromCsv(r.ws.program, r.ws.run, r.folder / "neu.csv",
                                ConflictChoice::Replace);
         }},
        {"CSV-Export",
         [](WriterRun& r) {
             r.writeDraws(kOldDraws);
             writeBytes(r.folder / "alt.csv", "date,n1,n2,n3,n4,n5,key\r\n");
         },
         [](WriterRun& r) { exportDrawsToCsv(r.ws.program, r.folder / "alt.csv"); }},
        {"Internet-Aktualisierung", [](WriterRun& r) { r.writeDraws(kOldDraws); },
         [](WriterRun& r) {
             updateDrawDatabase(r.ws.program, r.ws.options, r.ws.ticket, r.ws.drawWindow, r.ws.run,
                                r.ws.view, r.http, r.parameters);
         }},
        {"Datenbank neu anlegen",
         [](WriterRun& r) {
             r.writeDraws(kOldDraws);
             r.ws.installInternetUpdate(r.http, r.parameters);
             r.ws.drawWindow.endPicker.set(dayCountFromCivil({2024, 6, 2}));
             r.ui.yesNoAnswers.push_back(true);
         },
         [](WriterRun& r) {
             rebuildDrawDatabase(r.ws.program, r.ws.ticket, r.ws.drawWindow, r.ws.run, r.ws.view);
         }},
        {"Erster Start", [](WriterRun& r) { r.ws.installInternetUpdate(r.http, r.parameters); },
         [](WriterRun& r) { createMissingDrawFile(r.ws.program, r.ws.drawWindow); }},
        {"init (leere Datei)", [](WriterRun& r) { r.writeDraws({}); },
         [](WriterRun& r) { drawFileOf(r.ws.program).provideWithSeed(); }},
        {"Tippdatei",
         [](WriterRun& r) {
             writeBytes(r.folder / "alt.hlt", "1,2,3,4,5,6\r\n");
             r.setRow(0, {"3", "7", "15", "22", "40", "5"});
             r.setRow(1, {"1", "2", "3", "4", "54", "0"});
         },
         [](WriterRun& r) { saveTipFile(r.ws.ticket.sheet, r.folder / "alt.hlt"); }},
        {"Zahlenliste",
         [](WriterRun& r) { writeBytes(r.folder / "alt.hlw", std::string(54, '\n')); },
         [](WriterRun& r) {
             NumberBoxes boxes;
             boxes[3].checked = true;
             boxes[3].weight = "2";
             boxes[54].checked = true;
             saveNumberList(boxes, kListNumbers, r.folder / "alt.hlw");
         }},
        {"Ausdruck",
         [](WriterRun& r) {
             writeBytes(r.folder / kPrintoutFileName, "alter Ausdruck\r\n");
             r.setRow(0, {"3", "7", "15", "22", "40", "5"});
         },
         [](WriterRun& r) { BitBtn7Click(r.ws.program, r.ws.ticket, r.ws.drawWindow); }},
        {"Bericht",
         [](WriterRun& r) { writeBytes(r.folder / kReportFileName, "alter Bericht\r\n"); },
         [](WriterRun& r) { saveAndOpenReport(r.ws.program, "Bericht\nzweite Zeile"); }},
        {"Abgabe (Tippdatei, Klickwerk-Einstellungen, Klick-Skript)",
         [](WriterRun& r) {
             r.ws.drawWindow.endPicker.set(dayCountFromCivil({2024, 6, 1}));
             fs::create_directories(r.folder / "Klickwerk");
             writeBytes(r.folder / "Klickwerk" / "Klickstart", "");
             fs::create_directories(r.folder / "Script");
             writeBytes(r.folder / "Script" / "Beispiel.vks",
                        "Tipps: [Z1_1],[Z2_1]\nText: [TEXT1]\n");
             fs::create_directories(r.folder / "config");
             writeFileAtomically(r.folder / "config" / "Klickwerk.conf",
                                 "Path=sz:" + (r.folder / "Klickwerk").string() + "\n",
                                 FileAccess::OwnerOnly);
             r.setRow(0, {"3", "7", "15", "22", "40", "5"});
             r.http.answer = nullptr;
             r.http.response = answerWith(404);
             r.ui.clickScriptAnswers.push_back([](const ClickScriptDialogRequest& request) {
                 ClickScriptFields fields = request.fields;
                 fields.text1 = "anna";
                 return std::optional<ClickScriptFields>(fields);
             });
         },
         [](WriterRun& r) {
             SubmissionServices services{r.klickwerk, r.http};
             OnlineTippClick(r.ws.program, r.ws.options, r.ws.ticket, r.ws.drawWindow, services);
         }},
        {"Klickwerk-Einstellungen",
         [](WriterRun& r) {
             fs::create_directories(r.folder / "config");
             writeFileAtomically(r.folder / "config" / "Klickwerk.conf", "KavantoZahl1=sz:3\n",
                                 FileAccess::OwnerOnly);
         },
         [](WriterRun& r) {
             r.klickwerk.write({{klickwerk::Text1, "anna"}});
         }},
        {"Einstellungen",
         [](WriterRun& r) { writeBytes(r.folder / "Kavanto.conf", "Chekcbox1=dword:1\n"); },
         [](WriterRun& r) {
             SettingsValues values;
             values["Chekcbox1"] = SettingValue::ofInteger(0);
             values["Edit1"] = SettingValue::ofText("7");
             if (!writeSettingsFile(r.folder / "Kavanto.conf", values))
                 throw std::runtime_error("nicht geschrieben");
         },
         false},
        {"Skriptvorlage vom Server",
         [](WriterRun& r) {
             fs::create_directories(r.folder / "Script");
             writeBytes(r.folder / "Script" / "Beispiel.vks", "alt\r\n");
             HttpResponse newer = answerWith(200, "neu vom Server\r\n");
             newer.lastModified = std::int64_t{4102444800}; // 2100
             r.http.answer = nullptr;
             r.http.response = newer;
         },
         [](WriterRun& r) {
             const auto result = updateClickScriptTemplate(
                 r.http, ScriptServer{"http://127.0.0.1:9", "", 80},
                 (r.folder / "Script" / "Beispiel.vks").string(), r.folder);
             if (result != ScriptUpdateResult::Replaced)
                 throw std::runtime_error("nicht ersetzt");
         },
         false},
    };
}

// Runs the writer and returns the messages of its failure: the error it ended with and
// the errors it showed itself.
std::vector<std::string> runWriter(const Writer& writer, WriterRun& run) {
    std::vector<std::string> errors;
    try {
        writer.write(run);
    } catch (const std::exception& e) {
        errors.push_back(e.what());
    }
    errors.insert(errors.end(), run.ui.errors.begin(), run.ui.errors.end());
    return errors;
}

// A failure-free run that records every complete version a file takes (at each rename).
class VersionRecorder : public FailingFileLayer {
public:
    explicit VersionRecorder(fs::path folder) : folder_(std::move(folder)) {}

    int rename(const fs::path& from, const fs::path& to) override {
        const int err = FailingFileLayer::rename(from, to);
        if (!err)
            versions[to.lexically_relative(folder_).string()].push_back(contentOf(to, folder_));
        return err;
    }
    std::map<std::string, std::vector<std::string>> versions;

private:
    fs::path folder_;
};

struct Reference {
    Files before, after;
    std::map<std::string, std::vector<std::string>> versions;
    std::size_t bytes = 0;
    std::map<Step, std::size_t> steps;
};

Reference referenceRun(const Writer& writer) {
    TemporaryFolder folder;
    WriterRun run(folder.path());
    writer.prepare(run);
    Reference reference;
    reference.before = filesIn(folder.path());
    VersionRecorder recorder(folder.path());
    {
        const FileLayerOverride layer(recorder);
        const auto errors = runWriter(writer, run);
        EXPECT_TRUE(errors.empty()) << writer.name << ": " << errors.front();
    }
    reference.after = filesIn(folder.path());
    EXPECT_NE(reference.after, reference.before) << writer.name << " wrote nothing";
    reference.versions = recorder.versions;
    reference.bytes = recorder.bytesWritten();
    for (const Step step : {Step::Open, Step::Sync, Step::Close, Step::Rename})
        reference.steps[step] = recorder.calls(step);
    return reference;
}

// What a writer left after a failure (or none), against what the reference run allows.
Problems checkOutcome(const Writer& writer, const Reference& reference, const fs::path& folder,
                      const std::vector<std::string>& errors, bool failed,
                      const std::string& reason) {
    Problems problems;
    const auto problem = [&](const std::string& text) {
        problems.push_back(std::string(writer.name) + ": " + text);
    };
    // What the next start does: a rebuild cut off before its first draw is taken back.
    if (fs::exists(folder / DrawFile::kBackupName)) {
        try {
            DrawFile(folder).provideWithSeed();
        } catch (const std::exception& e) {
            problem(std::string("the next start fails: ") + e.what());
        }
    }
    const Files now = filesIn(folder);
    for (const std::string& left : temporaryFilesIn(folder))
        problem("temporary file left: " + left);

    if (!failed || errors.empty()) {
        // No failure, or one that cost nothing (a close after the data was synced).
        if (now != reference.after)
            problem(failed ? "a failure without a message changed the result"
                           : "the result differs from the undisturbed run");
        if (!errors.empty())
            problem("message without a failure: " + errors.front());
        return problems;
    }
    if (writer.tellsTheUser) {
        if (errors.size() != 1)
            problem(std::to_string(errors.size()) + " messages instead of one");
        const std::string& message = errors.front();
        if (message.find(folder.string()) == std::string::npos)
            problem("the message names no file: " + message);
        if (message.find(reason) == std::string::npos)
            problem("the message gives no reason: " + message);
    }
    std::set<std::string> names;
    for (const auto& [name, bytes] : reference.before)
        names.insert(name);
    for (const auto& [name, bytes] : now)
        names.insert(name);
    for (const std::string& name : names) {
        const auto was = reference.before.find(name);
        const auto is = now.find(name);
        if (was != reference.before.end() && is != now.end() && is->second == was->second)
            continue;
        const auto versions = reference.versions.find(name);
        const bool complete =
            is != now.end() &&
            ((versions != reference.versions.end() &&
              std::find(versions->second.begin(), versions->second.end(), is->second) !=
                  versions->second.end()) ||
             (reference.after.count(name) && reference.after.at(name) == is->second));
        if (!complete)
            problem(name +
                    (is == now.end() ? " is gone" : " is neither the old nor a new version"));
    }
    return problems;
}

struct Failure {
    Step step;
    std::size_t nth;
    int error;
};

std::string describe(const Failure& f) {
    static const std::map<Step, const char*> names{{Step::Write, "after bytes"},
                                                   {Step::Open, "open"},
                                                   {Step::Sync, "sync"},
                                                   {Step::Close, "close"},
                                                   {Step::Rename, "rename"}};
    return std::string(names.at(f.step)) + " " + std::to_string(f.nth);
}

// Every N up to this many bytes; beyond, every 16th.
constexpr std::size_t kEveryByteUpTo = 1024;

std::vector<Failure> failuresOf(const Reference& reference) {
    std::vector<Failure> failures;
    for (std::size_t n = 0; n < reference.bytes; n += n < kEveryByteUpTo ? 1 : 16)
        failures.push_back({Step::Write, n, ENOSPC});
    const std::pair<Step, int> steps[] = {
        {Step::Open, EROFS}, {Step::Sync, EIO}, {Step::Close, EIO}, {Step::Rename, EACCES}};
    for (const auto& [step, error] : steps)
        for (std::size_t k = 1; k <= reference.steps.at(step); ++k)
            failures.push_back({step, k, error});
    return failures;
}

TEST(InterruptedWrites, EveryWriterFailingAtEveryStepKeepsTheOldFileOrWritesTheNewOne) {
    std::size_t runs = 0, failedRuns = 0;
    for (const Writer& writer : writers()) {
        SCOPED_TRACE(writer.name);
        const Reference reference = referenceRun(writer);
        for (const Failure& failure : failuresOf(reference)) {
            TemporaryFolder folder;
            WriterRun run(folder.path());
            writer.prepare(run);
            FailingFileLayer layer(failure.step, failure.nth, failure.error);
            std::vector<std::string> errors;
            {
                const FileLayerOverride failing(layer);
                errors = runWriter(writer, run);
            }
            ++runs;
            failedRuns += layer.failed() ? 1u : 0u;
            for (const std::string& p : checkOutcome(writer, reference, folder.path(), errors,
                                                     layer.failed(), ioReasonText(failure.error)))
                ADD_FAILURE() << describe(failure) << ": " << p;
        }
    }
    // The figures of the matrix (the README's "Reliability" section quotes them).
    std::cout << "[ matrix   ] " << writers().size() << " writers, " << runs << " runs, "
              << failedRuns << " with the failure reached\n";
}

// Runs `body` in a child process with a fresh tmpfs of `kilobytes` mounted at `where`.
// Returns nullopt where no tmpfs can be mounted (no user namespaces); else the problems the
// child found.
std::optional<Problems> inTmpfs(const fs::path& where, int kilobytes,
                                const std::function<Problems(const fs::path&)>& body) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        ::close(pipeFds[0]);
        const auto send = [&](const std::string& text) {
            const std::string line = text + "\n";
            static_cast<void>(::write(pipeFds[1], line.data(), line.size()));
        };
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        bool mounted = false;
        if (uid == 0) {
            mounted = ::unshare(CLONE_NEWNS) == 0;
        } else if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0) {
            writeBytes("/proc/self/setgroups", "deny");
            writeBytes("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1");
            writeBytes("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1");
            mounted = true;
        }
        const std::string options = "size=" + std::to_string(kilobytes) + "k";
        mounted = mounted && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                  ::mount("tmpfs", where.c_str(), "tmpfs", 0, options.c_str()) == 0;
        if (!mounted) {
            send("UNAVAILABLE");
            ::_exit(0);
        }
        for (const std::string& p : body(where))
            send(p);
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (text.rfind("UNAVAILABLE", 0) == 0)
        return std::nullopt;
    Problems problems;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1)
        problems.push_back(text.substr(start, end - start));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        problems.push_back("the child process ended abnormally");
    return problems;
}

// Fills the file system of `folder` to the last byte.
void fillUp(const fs::path& folder) {
    const int fd = ::open((folder / "Füllung").c_str(), O_WRONLY | O_CREAT, 0600);
    const std::string chunk(4096, 'x');
    for (std::size_t size = chunk.size(); size > 0; size /= 2)
        while (::write(fd, chunk.data(), size) == static_cast<ssize_t>(size)) {
        }
    ::close(fd);
}

// The writers on a real full disk and in a real read-only folder, each in a fresh tmpfs.
// Where the test cannot mount one, the failing layer stands in (a full disk from the first
// byte, a folder where nothing can be created).
TEST(InterruptedWrites, AFullDiskAndAReadOnlyFolderKeepEveryOldFile) {
    TemporaryFolder mountPoint;
    bool standIn = false;
    for (const bool readOnly : {false, true}) {
        for (const Writer& writer : writers()) {
            SCOPED_TRACE(std::string(writer.name) + (readOnly ? ", read-only" : ", full disk"));
            const Reference reference = referenceRun(writer);
            const std::string reason = ioReasonText(readOnly ? EROFS : ENOSPC);
            const auto body = [&](const fs::path& folder) {
                Problems problems;
                fs::path workFolder = folder / "Kavanto";
                fs::create_directories(workFolder);
                WriterRun run(workFolder);
                writer.prepare(run);
                if (readOnly)
                    ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr);
                else
                    fillUp(folder);
                const std::vector<std::string> errors = runWriter(writer, run);
                if (!readOnly)
                    fs::remove(folder / "Füllung");
                if (errors.empty()) {
                    // An append that fits into the last block of the draw file is no failure.
                    if (readOnly || filesIn(workFolder) != reference.after)
                        problems.push_back(std::string(writer.name) + ": no failure reported");
                    return problems;
                }
                return checkOutcome(writer, reference, workFolder, errors, true, reason);
            };
            std::optional<Problems> problems = inTmpfs(mountPoint.path(), 256, body);
            if (!problems) {
                standIn = true;
                TemporaryFolder folder;
                WriterRun run(folder.path());
                writer.prepare(run);
                FailingFileLayer layer = readOnly ? FailingFileLayer(Step::Open, 1, EROFS)
                                                  : FailingFileLayer::afterBytes(0, ENOSPC);
                std::vector<std::string> errors;
                {
                    const FileLayerOverride failing(layer);
                    errors = runWriter(writer, run);
                }
                problems =
                    checkOutcome(writer, reference, folder.path(), errors, layer.failed(), reason);
            }
            for (const std::string& p : *problems)
                ADD_FAILURE() << p;
        }
    }
    if (standIn)
        std::cout << "[ note     ] no tmpfs could be mounted here: the failing file layer stood "
                     "in for the full disk and the read-only folder\n";
}

} // namespace
} // namespace kav::test
