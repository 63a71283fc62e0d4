// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LanguageLoad.h"

#include "app/Workspace.h"
#include "base/LanguageFile.h"
#include "support/WorkspaceFixture.h"

#include <gtest/gtest.h>

#include <map>

namespace kav::test {
namespace {

// A control of a made-up window: what the load set on it.
struct Control {
    std::string caption = "design";
    std::string hint = "design hint";
    int charset = 1;
};

// A language file as the team writes them: UTF-8 with a byte-order mark, CR LF.
std::string fileText(const std::vector<std::string>& lines) {
    std::string text = "\xEF\xBB\xBF";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class LanguageLoadTest : public WorkspaceTest {
protected:
    LanguageLoadTest() { std::filesystem::create_directories(languageFolder(folder.path())); }

    void writeLandFile(const std::string& name, const std::vector<std::string>& lines) {
        writeBytes(languageFolder(folder.path()) / name, fileText(lines));
    }
    void writeBase(const std::vector<BaseFileEntry>& entries) {
        writeBytes(baseLanguageFile(folder.path()), formatBaseFile(entries));
    }

    // Components in walk order, each bound to its control in `controls`.
    std::vector<LanguageComponent>
    components(const std::vector<std::pair<std::string, ComponentKind>>& names) {
        std::vector<LanguageComponent> list;
        for (const auto& [name, kind] : names) {
            Control& c = controls[name];
            list.push_back({"Form1", name, kind, [&c](const std::string& t) { c.caption = t; },
                            [&c](const std::string& t) { c.hint = t; },
                            [&c](int n) { c.charset = n; }});
        }
        return list;
    }

    // The German base file of three components and its English translation.
    std::vector<LanguageComponent> threeComponents() {
        writeBase({{"Form1", "Form1", "Fenster", "", 0},
                   {"Form1", "Edit1", "Text", "Hinweis", 204},
                   {"Form1", "Label1", "Beschriftung", "Hinweis 2", 238}});
        writeLandFile("Kavanto.txt.en", {"Window", "", "Text", "Hint", "Caption", "Hint 2"});
        writeLandFile("meldungen.txt.en", {"", "", "No guarantee"});
        return components({{"Form1", ComponentKind::Window},
                           {"Edit1", ComponentKind::EditField},
                           {"Label1", ComponentKind::Label}});
    }

    std::map<std::string, Control> controls;
};

const Language& english() {
    return *languageByCode("en");
}
const Language& german() {
    return *languageByCode("de");
}

TEST(Languages, SeventeenInMenuOrderWithTheirNumbers) {
    std::string codes;
    for (const Language& l : languages())
        codes += std::string(l.code) + "=" + std::to_string(l.number) + " ";
    EXPECT_EQ(codes, "de=1 en=2 fr=3 es=4 it=5 ru=6 tr=7 nl=8 pl=9 cz=10 slo=16 hu=11 gr=12 "
                     "se=13 nor=14 fi=17 dae=15 ");
    EXPECT_STREQ(languageByNumber(16)->menuItemName, "Slowakisch1");
    EXPECT_EQ(languageByNumber(0), nullptr);
    EXPECT_EQ(languageByNumber(18), nullptr);
    EXPECT_EQ(languageByCode("xx"), nullptr);
}

// English with only the base file, the ".en" translation and the English messages: the
// texts come from ".en", character sets and the option items stay, the messages change.
TEST_F(LanguageLoadTest, EnglishWithOnlyBaseTranslationAndMessages) {
    const auto list = threeComponents();
    const auto optionItems = ws.options.keyModeItems();
    const LanguageLoadResult r = chooseLanguage(ws, english(), list);
    EXPECT_TRUE(r.translationMode);
    EXPECT_EQ(r.applied, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(controls["Form1"].caption, "Window");
    EXPECT_EQ(controls["Label1"].caption, "Caption");
    EXPECT_EQ(controls["Label1"].hint, "Hint 2");
    EXPECT_EQ(controls["Label1"].charset, 1);
    EXPECT_EQ(ws.options.keyModeItems(), optionItems);
    EXPECT_EQ(ws.program.messages.line(2), "No guarantee");
    EXPECT_EQ(ws.program.messages.line(20), ""); // beyond the shorter table
    EXPECT_EQ(ws.languageNumber, 2);
}

// German after English without German files: base mode brings the captions, hints and
// character sets back; the messages stay English.
// The cross sum beside the current draw is a message with the sum after it.
TEST_F(LanguageLoadTest, TheCrossSumCaptionFollowsTheMessages) {
    writeBase({});
    std::vector<std::string> english = MessageTable::germanLines();
    english[msg::CrossSum] = "Sum: ";
    writeLandFile("meldungen.txt.en", english);
    ws.view.crossSumCaption = "Quersumme: 222";
    loadLanguage(ws, "en", {});
    EXPECT_EQ(ws.view.crossSumCaption, "Sum: 222");
}

TEST_F(LanguageLoadTest, GermanAfterEnglishWithoutGermanFilesKeepsTheEnglishMessages) {
    const auto list = threeComponents();
    chooseLanguage(ws, english(), list);
    const LanguageLoadResult r = chooseLanguage(ws, german(), list);
    EXPECT_FALSE(r.translationMode);
    EXPECT_FALSE(r.messagesReplaced);
    EXPECT_EQ(controls["Form1"].caption, "Fenster");
    EXPECT_EQ(controls["Label1"].caption, "Beschriftung");
    EXPECT_EQ(controls["Label1"].hint, "Hinweis 2");
    EXPECT_EQ(controls["Label1"].charset, 238);
    EXPECT_EQ(controls["Form1"].charset, 0);
    EXPECT_EQ(ws.program.messages.line(2), "No guarantee");
    EXPECT_EQ(ws.languageNumber, 1);
}

// An edit field keeps its text and gets the hint (and, in base mode, the character set).
TEST_F(LanguageLoadTest, AnEditFieldKeepsItsTextAndGetsTheHint) {
    const auto list = threeComponents();
    chooseLanguage(ws, english(), list);
    EXPECT_EQ(controls["Edit1"].caption, "design");
    EXPECT_EQ(controls["Edit1"].hint, "Hint");
    chooseLanguage(ws, german(), list);
    EXPECT_EQ(controls["Edit1"].caption, "design");
    EXPECT_EQ(controls["Edit1"].hint, "Hinweis");
    EXPECT_EQ(controls["Edit1"].charset, 204);
}

// The search looks at the entry of the last match and the ten after it.
TEST_F(LanguageLoadTest, TheLookAheadEndsTenEntriesAfterTheLastMatch) {
    std::vector<BaseFileEntry> entries;
    for (int k = 0; k < 22; ++k)
        entries.push_back({"Form1", "E" + std::to_string(k), "C" + std::to_string(k), "", 1});
    writeBase(entries);
    const auto list = components({{"E0", ComponentKind::Label},
                                  {"E11", ComponentKind::Label}, // eleven after E0
                                  {"E10", ComponentKind::Label},
                                  {"E21", ComponentKind::Label}, // eleven after E10
                                  {"E20", ComponentKind::Label}});
    const LanguageLoadResult r = loadLanguage(ws, "de", list);
    for (const char* applied : {"E0", "E10", "E20"})
        EXPECT_EQ(controls[applied].caption, std::string("C") + (applied + 1)) << applied;
    for (const char* skipped : {"E11", "E21"})
        EXPECT_EQ(controls[skipped].caption, "design") << skipped;
    EXPECT_TRUE(r.applied[0] && r.applied[10] && r.applied[20]);
    EXPECT_FALSE(r.applied[11] || r.applied[21]);
}

// Names match without their surrounding blanks and control characters, exactly and
// case-sensitively, and only within the component's own window.
TEST_F(LanguageLoadTest, NamesMatchTrimmedAndCaseSensitively) {
    writeBytes(baseLanguageFile(folder.path()),
               fileText({" Form1\t", "\x01Label1 ", "Eins", "", "1", "Form1", "label2", "Zwei", "",
                         "1", "Form6", "Label3", "Drei", "", "1"}));
    const auto list = components({{"Label1", ComponentKind::Label},
                                  {"Label2", ComponentKind::Label},
                                  {"Label3", ComponentKind::Label}});
    loadLanguage(ws, "de", list);
    EXPECT_EQ(controls["Label1"].caption, "Eins");
    EXPECT_EQ(controls["Label2"].caption, "design");
    EXPECT_EQ(controls["Label3"].caption, "design"); // an entry of another window
}

// Menu items get no character set; a character-set line that is no whole number leaves
// it, while caption and hint are applied.
TEST_F(LanguageLoadTest, CharacterSetsOnlyFromWholeNumbersAndNeverOnMenuItems) {
    writeBytes(baseLanguageFile(folder.path()),
               fileText({"Form1", "Deutsch1", "Deutsch", "", "161", "Form1", "Label1",
                         "Beschriftung", "Hinweis", "x161"}));
    const auto list =
        components({{"Deutsch1", ComponentKind::MenuItem}, {"Label1", ComponentKind::Label}});
    loadLanguage(ws, "de", list);
    EXPECT_EQ(controls["Deutsch1"].caption, "Deutsch");
    EXPECT_EQ(controls["Deutsch1"].charset, 1);
    EXPECT_EQ(controls["Label1"].caption, "Beschriftung");
    EXPECT_EQ(controls["Label1"].hint, "Hinweis");
    EXPECT_EQ(controls["Label1"].charset, 1);
}

// A language whose files are missing changes nothing, not even the language number (the
// menu's tick stays), and says which file it did not find.
TEST_F(LanguageLoadTest, ALanguageWithoutItsFilesChangesNothingAndSaysSo) {
    writeLandFile("meldungen.txt.en", {"", "", "No guarantee"});
    writeLandFile("Radio.txt.en", {"a", "b", "c"});
    const auto list = components({{"Label1", ComponentKind::Label}});
    const LanguageLoadResult r = chooseLanguage(ws, english(), list);
    EXPECT_FALSE(r.baseFileFound);
    EXPECT_EQ(controls["Label1"].caption, "design");
    EXPECT_EQ(ws.program.messages.line(2), MessageTable::germanLines()[2]);
    EXPECT_EQ(ws.options.keyModeItems()[0], "einfach per Zufall bestimmen");
    EXPECT_EQ(ws.languageNumber, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Englisch"), std::string::npos) << ui.messages[0];
    EXPECT_NE(ui.messages[0].find(baseLanguageFile(folder.path()).string() + " fehlt"),
              std::string::npos)
        << ui.messages[0];

    // With the base file but none of French's own files, French is missing too; German
    // needs only the base file.
    writeBase({{"Form1", "Label1", "Beschriftung", "Hinweis", 1}});
    ui.messages.clear();
    EXPECT_FALSE(chooseLanguage(ws, *languageByCode("fr"), list).baseFileFound);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("Kavanto.txt.fr, Radio.txt.fr und meldungen.txt.fr"),
              std::string::npos)
        << ui.messages[0];
    EXPECT_EQ(ws.languageNumber, 0);
    EXPECT_TRUE(chooseLanguage(ws, german(), list).baseFileFound);
    EXPECT_EQ(ws.languageNumber, 1);

    // A stored language whose files are gone leaves the German texts, and says so.
    ws.languageNumber = 3;
    EXPECT_EQ(applyStoredLanguage(ws, list), nullptr);
    EXPECT_EQ(ws.languageNumber, 0);
    EXPECT_EQ(ui.messages.size(), 2u);
}

// The option file replaces the items; the selected item stays within the new items.
TEST_F(LanguageLoadTest, TheOptionFileReplacesTheItemsAndKeepsTheSelectionInRange) {
    writeBase({});
    writeLandFile("Radio.txt.en", {"at random", "least often"});
    ASSERT_EQ(ws.options.keyModeItem(), 2);
    const LanguageLoadResult r = loadLanguage(ws, "en", {});
    EXPECT_TRUE(r.optionsReplaced);
    EXPECT_EQ(ws.options.keyModeItems(), (std::vector<std::string>{"at random", "least often"}));
    EXPECT_EQ(ws.options.keyModeItem(), 1);
}

// A component that refuses its texts, and a translation that ends early, stop nothing.
TEST_F(LanguageLoadTest, AFailingComponentOrAShortTranslationStopsNothing) {
    writeBase({{"Form1", "Label1", "Eins", "H1", 1},
               {"Form1", "Label2", "Zwei", "H2", 1},
               {"Form1", "Label3", "Drei", "H3", 1}});
    writeLandFile("Kavanto.txt.en", {"One", "", "Two", "", "Three"});
    auto list = components({{"Label1", ComponentKind::Label},
                            {"Label2", ComponentKind::Label},
                            {"Label3", ComponentKind::Label}});
    list[0].setCaption = [](const std::string&) { throw std::runtime_error("refused"); };
    const LanguageLoadResult r = loadLanguage(ws, "en", list);
    EXPECT_EQ(r.applied, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(controls["Label1"].hint, "design hint"); // the caption threw first
    EXPECT_EQ(controls["Label2"].caption, "Two");
    EXPECT_EQ(controls["Label3"].caption, "Three");
    EXPECT_EQ(controls["Label3"].hint, "design hint"); // beyond the translation's end
}

// The start button's caption is the idle caption after each load; a running generator
// keeps showing its stop caption, in the new language, and ends on the new idle caption.
TEST_F(LanguageLoadTest, TheStartButtonsIdleCaptionFollowsEachLoad) {
    writeBase({{kMainWindowName, kStartButtonName, "Tipps berechnen", "", 1}});
    writeLandFile("Kavanto.txt.en", {"Generate lines", ""});
    std::vector<std::string> english = MessageTable::germanLines();
    english[msg::Stop] = "Stop";
    writeLandFile("meldungen.txt.en", english);
    writeLandFile("meldungen.txt.de", MessageTable::germanLines());
    const std::vector<LanguageComponent> list = workspaceComponents(ws);

    loadLanguage(ws, "en", list);
    EXPECT_EQ(ws.view.startButtonCaption, "Generate lines");
    EXPECT_EQ(ws.view.idleCaption, "Generate lines");

    loadLanguage(ws, "de", list); // base mode: the German caption
    EXPECT_EQ(ws.view.idleCaption, "Tipps berechnen");
    ws.run.calculating = true;
    ws.run.running = true;
    ws.view.startButtonCaption = ws.program.messages.line(msg::Stop);
    ASSERT_EQ(ws.view.startButtonCaption, "Stoppen");
    loadLanguage(ws, "en", list);
    EXPECT_EQ(ws.view.startButtonCaption, "Stop");
    EXPECT_EQ(ws.view.idleCaption, "Generate lines");
}

TEST_F(LanguageLoadTest, TheStoredLanguageAppliesAtStartUp) {
    const auto list = threeComponents();
    for (const int stored : {0, 18, -1}) {
        ws.languageNumber = stored;
        EXPECT_EQ(applyStoredLanguage(ws, list), nullptr);
        EXPECT_EQ(controls["Form1"].caption, "design");
        EXPECT_EQ(ws.languageNumber, stored);
    }
    ws.languageNumber = 2;
    EXPECT_EQ(applyStoredLanguage(ws, list), &english());
    EXPECT_EQ(controls["Form1"].caption, "Window");
}

// The files the program ships: every language has its 65 messages and three option items,
// every language but German a translation with two lines for each entry of the base file,
// and no start button caption that a running generator would take for its stop caption.
TEST(ShippedLanguageFiles, AreCompleteForEveryLanguage) {
    const std::filesystem::path land = std::filesystem::path(KAVANTO_SOURCE_DIR) / "data" / "land";
    const auto base = readLanguageFile(land / "Kavanto.txt");
    ASSERT_TRUE(base);
    ASSERT_EQ(base->size() % 5, 0u);
    const std::size_t entries = base->size() / 5;
    std::size_t startButton = entries;
    for (std::size_t k = 0; k < entries; ++k)
        if ((*base)[5 * k] == kMainWindowName && (*base)[5 * k + 1] == kStartButtonName)
            startButton = k;
    ASSERT_LT(startButton, entries);
    for (const Language& language : languages()) {
        const std::string code = language.code;
        const auto messages = readLanguageFile(land / ("meldungen.txt." + code));
        const auto options = readLanguageFile(land / ("Radio.txt." + code));
        ASSERT_TRUE(messages && options) << code;
        EXPECT_EQ(messages->size(), 65u) << code;
        EXPECT_EQ(options->size(), 3u) << code;
        std::string startCaption = (*base)[5 * startButton + 2];
        // German has no translation: its base mode restores the design texts.
        const auto translation = readLanguageFile(land / ("Kavanto.txt." + code));
        EXPECT_EQ(translation.has_value(), code != "de") << code;
        if (translation) {
            EXPECT_EQ(translation->size(), 2 * entries) << code;
            if (translation->size() > 2 * startButton)
                startCaption = (*translation)[2 * startButton];
        }
        EXPECT_NE(startCaption, (*messages)[msg::Stop]) << code;
    }
}

} // namespace
} // namespace kav::test
