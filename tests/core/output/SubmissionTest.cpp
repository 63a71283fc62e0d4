// SPDX-License-Identifier: GPL-3.0-or-later
// The online submission from the tip sheet to Klickwerk's start: the files it writes,
// Klickwerk's settings, the click-script dialog's answers, and the arguments Klickwerk
// receives.
#include "commands/Submission.h"

#include "base/SettingsValues.h"
#include "output/ClickScript.h"
#include "output/KlickwerkSettings.h"
#include "support/FailingFileLayer.h"
#include "support/FakeHttpClient.h"
#include "support/FakeSecretStore.h"
#include "support/WorkspaceFixture.h"

#include <chrono>
#include <functional>
#include <sys/stat.h>

namespace kav::test {
namespace {

using Args = std::vector<std::string>;
using Outcome = SubmissionResult::Outcome;

// Every tip placeholder, row by row, cells joined by "," and rows by "|".
std::string allTipPlaceholders() {
    std::string text;
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 6; ++c)
            text += "[Z" + std::to_string(c) + "_" + std::to_string(r) + "]" + (c < 6 ? "," : "");
        text += r < 12 ? "|" : "";
    }
    return text;
}

// The filled tip lines: one "a,b,c,d,e,k" group per row.
std::string tipPart(const std::vector<std::string>& rows) {
    std::string text;
    for (std::size_t r = 0; r < 12; ++r)
        text += (r < rows.size() && !rows[r].empty() ? rows[r] : ",,,,,") + (r < 11 ? "|" : "");
    return text;
}

class Submission : public WorkspaceTest {
protected:
    Submission() {
        ws.drawWindow.endPicker.set(dayCountFromCivil({2024, 6, 1})); // a Saturday
        ws.program.todayProvider = [] { return dayCountFromCivil({2024, 6, 3}); };
        ws.options.scriptServer = "http://127.0.0.1:9";
        std::filesystem::create_directories(klickwerkDir);
        writeBytes(klickwerkDir / "Klickstart", "");
        std::filesystem::create_directories(folder.path() / "Script");
        writeBytes(templateFile(), "Tipps: " + allTipPlaceholders() + "\nDatei: [TIPPDATEI]\n");
        store({{"Path", klickwerkDir.string()}});
    }

    std::filesystem::path templateFile() const { return folder.path() / "Script" / "Beispiel.vks"; }
    std::filesystem::path tipFile() const { return folder.path() / "Tipps" / "20240608.hlt"; }
    std::filesystem::path script() const { return folder.path() / "Tipps" / "20240603.vks"; }

    void store(const std::map<std::string, std::string>& texts) {
        SettingsValues values = readSettingsFile(storeFile);
        for (const auto& [name, text] : texts)
            values[name] = SettingValue::ofText(text);
        ASSERT_TRUE(writeSettingsFile(storeFile, values));
    }
    std::string stored(const std::string& name) const {
        const SettingsValues values = readSettingsFile(storeFile);
        const auto it = values.find(name);
        return it == values.end() ? "<missing>" : it->second.text;
    }

    // The dialog closes with OK, with its fields as shown and then changed by `edit`.
    void answerOk(std::function<void(ClickScriptFields&)> edit = {}) {
        ui.clickScriptAnswers.push_back([edit](const ClickScriptDialogRequest& request) {
            ClickScriptFields fields = request.fields;
            if (edit)
                edit(fields);
            return std::optional<ClickScriptFields>(fields);
        });
    }
    SubmissionResult submit() {
        return OnlineTippClick(ws.program, ws.options, ws.ticket, ws.drawWindow, services);
    }

    std::filesystem::path klickwerkDir = folder.path() / "Klickwerk";
    std::filesystem::path storeFile = folder.path() / "config" / "Klickwerk.conf";
    FakeSecretStore secrets;
    KlickwerkSettings klickwerk{storeFile, secrets};
    FakeHttpClient http;
    SubmissionServices services{klickwerk, http};
};

TEST_F(Submission, AnEmptySheetGivesAnEmptyTipFileAndEmptyTipPlaceholdersAndStillStarts) {
    answerOk();
    const SubmissionResult result = submit();

    EXPECT_EQ(result.outcome, Outcome::HandedOff);
    EXPECT_EQ(result.tipFile, tipFile());
    EXPECT_EQ(readBytes(tipFile()), "");
    EXPECT_EQ(readBytes(script()),
              "Tipps: " + tipPart({}) + "\r\nDatei: " + tipFile().string() + "\r\n");
    ASSERT_EQ(ui.started.size(), 1u);
    EXPECT_EQ(ui.started[0].program, klickwerkDir / "Klickstart");
    EXPECT_EQ(ui.started[0].arguments, (Args{"START", script().string(), "0", "", "0", ""}));
}

TEST_F(Submission, FilledRowsGoIntoTheTipFileAndTheirPlaceholdersInSheetOrder) {
    setRow(0, {"5", "12", "23", "34", "45", "3"});
    setRow(1, {"1", "2", "3", "4", "54", "0"});
    setRow(2, {"", "8", "9", "10", "11", "1"}); // not written: its first cell is empty
    setRow(4, {"40", "7", "22", "", "15", ""});
    answerOk();
    submit();

    EXPECT_EQ(readBytes(tipFile()), "5,12,23,34,45,3\r\n1,2,3,4,54,0\r\n40,7,22,,15,\r\n");
    // The script takes every cell as it stands, the first cell empty or not.
    EXPECT_EQ(readBytes(script()),
              "Tipps: " +
                  tipPart({"5,12,23,34,45,3", "1,2,3,4,54,0", ",8,9,10,11,1", "", "40,7,22,,15,"}) +
                  "\r\nDatei: " + tipFile().string() + "\r\n");
}

TEST_F(Submission, TheDialogShowsTheStoredValuesAndTheirAnswerIsStoredAndPassedOn) {
    secrets.secrets["KavantoText2"] = "geheim";
    store({{"KavantoZahl1", "3"}, {"KavantoText1", "anna"}, {"KavantoZahl2", "4"}});
    answerOk([](ClickScriptFields& f) {
        f.zahl1 = "";
        f.text1 = "bernd";
    });
    FailingFileLayer counting; // fails nothing, counts every file the submission writes
    const SubmissionResult result = [&] {
        const FileLayerOverride counted(counting);
        return submit();
    }();
    // The tip file, the click script and Klickwerk's settings, each written once.
    std::vector<std::string> written;
    for (const std::filesystem::path& file : counting.opened())
        if (file.filename().string().ends_with("~"))
            written.push_back(
                file.filename().string().substr(1, file.filename().string().size() - 9));
    EXPECT_EQ(written, (Args{tipFile().filename().string(), script().filename().string(),
                             "Klickwerk.conf"}));

    ASSERT_EQ(ui.clickScriptRequests.size(), 1u);
    const ClickScriptDialogRequest& shown = ui.clickScriptRequests[0];
    EXPECT_EQ(shown.fields,
              (ClickScriptFields{templateFile().string(), "3", "4", "anna", "geheim"}));
    EXPECT_EQ(shown.scripts, Args{templateFile().string()});
    EXPECT_EQ(shown.scriptFolder, folder.path() / "Script");

    // A cleared ZAHL1 becomes "0"; the order of the arguments is ZAHL1, TEXT1, ZAHL2, TEXT2.
    EXPECT_EQ(result.arguments, (Args{"START", script().string(), "0", "bernd", "4", "geheim"}));
    EXPECT_EQ(stored("KavantoScript"), templateFile().string());
    EXPECT_EQ(stored("KavantoZahl1"), "0");
    EXPECT_EQ(stored("KavantoText1"), "bernd");
    EXPECT_EQ(stored("KavantoZahl2"), "4");
    EXPECT_EQ(secrets.secrets.at("KavantoText2"), "geheim");
    EXPECT_EQ(stored("Path"), klickwerkDir.string()); // Klickwerk's own value stays
}

TEST_F(Submission, TheTipFileFollowsThePickerAndTheScriptToday) {
    ws.drawWindow.endPicker.set(dayCountFromCivil({2024, 12, 28}));
    answerOk();
    const SubmissionResult result = submit();
    EXPECT_EQ(result.tipFile, folder.path() / "Tipps" / "20250104.hlt");
    EXPECT_EQ(result.script, script());
    // A second submission of the same day overwrites the same script.
    writeBytes(templateFile(), "zweite");
    answerOk();
    submit();
    EXPECT_EQ(readBytes(script()), "zweite\r\n");
}

TEST_F(Submission, BlanksInTheProgramFolderSplitTheScriptPathAndEmptyTextsLeaveEmptyArguments) {
    const std::filesystem::path spaced = folder.path() / "Mein Programm";
    std::filesystem::create_directories(spaced / "Script");
    writeBytes(spaced / "Script" / "a.vks", "x");
    Workspace other(spaced, ui);
    other.program.todayProvider = ws.program.todayProvider;
    other.drawWindow.endPicker.set(ws.drawWindow.endPicker.value);
    answerOk();
    OnlineTippClick(other.program, other.options, other.ticket, other.drawWindow, services);

    ASSERT_EQ(ui.started.size(), 1u);
    const Args& args = ui.started[0].arguments;
    EXPECT_EQ(args, (Args{"START", folder.path().string() + "/Mein", "Programm/Tipps/20240603.vks",
                          "0", "", "0", ""}));
}

TEST_F(Submission, CancelWritesNothing) {
    const std::string before = readBytes(storeFile);
    ui.clickScriptAnswers.push_back(nullptr);
    EXPECT_EQ(submit().outcome, Outcome::Cancelled);
    EXPECT_EQ(readBytes(storeFile), before);
    EXPECT_TRUE(secrets.secrets.empty());
    EXPECT_FALSE(std::filesystem::exists(tipFile().parent_path())); // not even "Tipps/"
    EXPECT_TRUE(ui.started.empty());
    EXPECT_TRUE(http.requests.empty()); // no update check without OK
}

// A template that cannot be read once stored itself as the remembered script, and every
// later submission failed on it.
TEST_F(Submission, AMissingTemplateFailsBeforeAnythingIsWritten) {
    const std::string before = readBytes(storeFile);
    answerOk([](ClickScriptFields& f) { f.script = "/nicht/da.vks"; });
    EXPECT_THROW(submit(), IoError);
    EXPECT_EQ(readBytes(storeFile), before);
    EXPECT_FALSE(std::filesystem::exists(tipFile().parent_path()));
    EXPECT_TRUE(ui.started.empty());
}

TEST_F(Submission, WithoutKlickwerkTheInstallPromptIsAllThatHappens) {
    std::filesystem::remove(storeFile);
    ui.yesNoAnswers = {false, true};
    EXPECT_EQ(submit().outcome, Outcome::NotInstalled);
    EXPECT_EQ(ui.questions, Args{"Velmors Klickwerk installieren?"});
    EXPECT_TRUE(ui.opened.empty());
    EXPECT_TRUE(ui.clickScriptRequests.empty());
    EXPECT_FALSE(std::filesystem::exists(tipFile().parent_path()));
    EXPECT_FALSE(std::filesystem::exists(storeFile));

    store({{"Path", (folder.path() / "elsewhere").string()}}); // names no executable
    EXPECT_EQ(submit().outcome, Outcome::NotInstalled);
    ASSERT_EQ(ui.opened.size(), 1u);
    EXPECT_EQ(ui.opened[0], "https://www.velmor.example/dateien/klickstartp.exe");
    EXPECT_FALSE(std::filesystem::exists(script()));
}

TEST_F(Submission, ThePasswordNeverReachesTheStoreFileWhichOnlyTheUserCanRead) {
    store({{"KavantoText2", "alt"}}); // left in the file by an earlier version
    answerOk([](ClickScriptFields& f) { f.text2 = "geheim"; });
    submit();
    EXPECT_EQ(ui.clickScriptRequests[0].fields.text2, "alt");
    EXPECT_EQ(secrets.secrets.at("KavantoText2"), "geheim");
    EXPECT_EQ(stored("KavantoText2"), "<missing>");
    EXPECT_EQ(readBytes(storeFile).find("geheim"), std::string::npos);
    struct stat info {};
    ASSERT_EQ(::stat(storeFile.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Submission, WithoutASecretStoreThePasswordLivesForTheSessionAndTheUserIsToldOnce) {
    secrets.available = false;
    answerOk([](ClickScriptFields& f) { f.text2 = "geheim"; });
    answerOk();
    submit();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Schlüsselbund"), std::string::npos);
    submit();
    EXPECT_EQ(ui.clickScriptRequests[1].fields.text2, "geheim"); // kept for the session
    EXPECT_EQ(ui.started[1].arguments.back(), "geheim");
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(readBytes(storeFile).find("geheim"), std::string::npos);

    // A new run of the program has forgotten it.
    KlickwerkSettings nextRun(storeFile, secrets);
    EXPECT_EQ(nextRun.read("KavantoText2"), "");
}

TEST_F(Submission, OkChecksTheChosenTemplateOnTheScriptServerBeforeItIsRead) {
    std::filesystem::last_write_time(templateFile(), std::filesystem::file_time_type::clock::now() -
                                                         std::chrono::hours(48));
    http.response = HttpResponse{};
    http.response.statusCode = 200;
    http.response.body = "neu [Z1_1]";
    http.response.lastModified = std::chrono::duration_cast<std::chrono::seconds>(
                                     std::chrono::system_clock::now().time_since_epoch())
                                     .count() -
                                 3600;
    setRow(0, {"5", "12", "23", "34", "45", "3"});
    answerOk();
    submit();
    ASSERT_EQ(http.requests.size(), 1u);
    EXPECT_EQ(http.requests[0].url, "http://127.0.0.1:9/scripts/Beispiel.vks.txt");
    EXPECT_EQ(http.requests[0].maxBodyBytes, std::size_t{1} << 20);
    EXPECT_EQ(readBytes(templateFile()), "neu [Z1_1]");
    EXPECT_EQ(readBytes(script()), "neu 5\r\n");
}

TEST_F(Submission, AProgramThatCannotBeStartedIsReportedAfterTheFilesWereWritten) {
    ui.startSucceeds = false;
    answerOk();
    EXPECT_THROW(submit(), std::runtime_error);
    EXPECT_TRUE(std::filesystem::exists(script()));
}

TEST_F(Submission, ATipFileThatCannotBeWrittenStopsTheHandOff) {
    const std::string before = readBytes(storeFile);
    std::filesystem::create_directories(tipFile()); // the name is taken by a folder
    answerOk();
    EXPECT_THROW(submit(), IoError);
    EXPECT_FALSE(std::filesystem::exists(script()));
    EXPECT_EQ(readBytes(storeFile), before);
    EXPECT_TRUE(ui.started.empty());
}

} // namespace
} // namespace kav::test
