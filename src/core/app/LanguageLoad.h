// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kav {

// One language of the menu "Sprache/&Language": its German menu caption, the code its
// files carry ("land/Kavanto.txt.en", "land/meldungen.txt.en") and its language number,
// the value stored as "Sprache".
struct Language {
    const char* caption;
    const char* menuItemName; // the menu entry's design name
    const char* code;
    int number;
};

// The seventeen languages in menu order.
const std::array<Language, 17>& languages();
const Language* languageByNumber(int number);
const Language* languageByCode(std::string_view code);

// The kinds of components a language load touches. Every kind gets its caption (except
// the edit field, whose text is the user's), its hint and its font character set (except
// the menu item).
enum class ComponentKind {
    MenuItem,
    Label,
    Panel,
    SpeedButton,
    Button,
    BitmapButton,
    CheckBox,
    RadioButton,
    TabSheet,
    RadioGroup,
    EditField,
    Window,
};
// "menu item", "label", ...: how listings name a kind.
std::string_view kindName(ComponentKind kind);

// A component as the load meets it: the design name of the window that owns it, its own
// design name, its kind, and how its texts are set. A setter may throw; the load then goes
// on with the next component.
struct LanguageComponent {
    std::string window;
    std::string name;
    ComponentKind kind = ComponentKind::Label;
    std::function<void(const std::string&)> setCaption;
    std::function<void(const std::string&)> setHint;
    std::function<void(int)> setCharset;
};

// What a load did; the tests read it.
struct LanguageLoadResult {
    bool baseFileFound = false;
    bool translationMode = false;
    std::vector<bool> applied; // per base entry: it matched a component
    bool optionsReplaced = false;
    bool messagesReplaced = false;
};

// The folder "land" in the program folder and the base file in it.
std::filesystem::path languageFolder(const std::filesystem::path& programFolder);
std::filesystem::path baseLanguageFile(const std::filesystem::path& programFolder);

// The language load for `code` over the components of the windows created at start-up, in
// the order the windows were created and, within each, in its design order: captions,
// hints and character sets from the base file ("Kavanto.txt") or its translation
// ("Kavanto.txt.<code>"), each component found among the eleven base entries from the last
// match on; then the key-number options ("Radio.txt.<code>"), the message table
// ("meldungen.txt.<code>") and the start button's idle caption. Without a base file
// nothing changes.
LanguageLoadResult loadLanguage(Workspace& ws, const std::string& code,
                                const std::vector<LanguageComponent>& components);

// The lines of the four files of one language, each absent when its file is missing or
// unreadable.
struct LanguageFileLines {
    std::optional<std::vector<std::string>> base;        // "Kavanto.txt"
    std::optional<std::vector<std::string>> translation; // "Kavanto.txt.<code>"
    std::optional<std::vector<std::string>> options;     // "Radio.txt.<code>"
    std::optional<std::vector<std::string>> messages;    // "meldungen.txt.<code>"
};

// The part of the load after the files are read: what loadLanguage does with their lines.
LanguageLoadResult applyLanguageFiles(Workspace& ws, const LanguageFileLines& files,
                                      const std::vector<LanguageComponent>& components);

// Why `language` cannot be loaded from the program folder, or empty when it can: without
// the base file nothing of any language is there, and a language other than German needs at
// least one file of its own (its translation, option or message file).
std::string missingLanguageFilesText(const std::filesystem::path& programFolder,
                                     const Language& language);

// The language command of a menu entry: the load, then the language number (kept for the
// setting "Sprache"). A language whose files are missing is reported and changes nothing,
// the language number included, so the menu's tick stays on the language shown.
LanguageLoadResult chooseLanguage(Workspace& ws, const Language& language,
                                  const std::vector<LanguageComponent>& components);

// Start-up: runs the command of the language stored in "Sprache"; 0 or an unknown number
// loads nothing and leaves the German texts, and so does a language whose files are missing
// (reported; the language number becomes 0). The language run, or null.
const Language* applyStoredLanguage(Workspace& ws,
                                    const std::vector<LanguageComponent>& components);

// The start button `BitBtn4` as the load sets it: its caption lives in the Workspace. While
// a generator run shows its stop caption, the new caption waits as the idle caption.
void setStartButtonCaption(Workspace& ws, const std::string& caption);
inline constexpr const char* kMainWindowName = "Form1";
inline constexpr const char* kStartButtonName = "BitBtn4";

// Without windows (the command-line tool): the components the base file lists, in its
// order, of which only the texts the Workspace holds (the start button's caption) change.
std::vector<LanguageComponent> workspaceComponents(Workspace& ws);

} // namespace kav
