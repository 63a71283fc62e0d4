// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LanguageLoad.h"

#include "app/Workspace.h"
#include "base/IoError.h"
#include "base/LanguageFile.h"

#include <algorithm>
#include <optional>

namespace kav {
namespace {

constexpr std::array<Language, 17> kLanguages{{
    {"Deutsch", "Deutsch1", "de", 1},
    {"Englisch", "Englisch1", "en", 2},
    {"Französisch", "Franzoesisch1", "fr", 3},
    {"Spanisch", "Spanisch1", "es", 4},
    {"Italienisch", "Italienisch1", "it", 5},
    {"Russisch", "Russisch1", "ru", 6},
    {"Türkisch", "Tuerkisch1", "tr", 7},
    {"Niederländisch", "Niederlaendisch1", "nl", 8},
    {"Polnisch", "Polnisch1", "pl", 9},
    {"Tschechisch", "Tschechisch1", "cz", 10},
    {"Slowakisch", "Slowakisch1", "slo", 16},
    {"Ungarisch", "Ungarisch1", "hu", 11},
    {"Griechisch", "Griechisch1", "gr", 12},
    {"Schwedisch", "Schwedisch1", "se", 13},
    {"Norwegisch", "Norwegisch1", "nor", 14},
    {"Finnisch", "Finnisch1", "fi", 17},
    {"Dänisch", "Daenisch1", "dae", 15},
}};

// How far the search for a component's entry looks: the entry of the last match and the
// ten after it.
constexpr std::size_t kLookAhead = 11;

constexpr const char* kBaseFileName = "Kavanto.txt";

// Line `i` of a file's lines; null beyond its end.
const std::string* lineAt(const std::vector<std::string>& lines, std::size_t i) {
    return i < lines.size() ? &lines[i] : nullptr;
}

// The first of the eleven entries from `start` on that names the component.
std::optional<std::size_t> findEntry(const std::vector<std::string>& base,
                                     const LanguageComponent& component, std::size_t start) {
    for (std::size_t k = start; k < start + kLookAhead; ++k) {
        const std::string* window = lineAt(base, 5 * k);
        const std::string* control = lineAt(base, 5 * k + 1);
        if (!window || !control)
            return std::nullopt; // beyond the end every line is empty and matches nothing
        if (trimmedName(*window) == component.window && trimmedName(*control) == component.name)
            return k;
    }
    return std::nullopt;
}

std::filesystem::path codeFile(const std::filesystem::path& programFolder, const char* name,
                               const std::string& code) {
    return languageFolder(programFolder) / (std::string(name) + "." + code);
}

} // namespace

const std::array<Language, 17>& languages() {
    return kLanguages;
}

const Language* languageByNumber(int number) {
    const auto it = std::find_if(kLanguages.begin(), kLanguages.end(),
                                 [&](const Language& l) { return l.number == number; });
    return it == kLanguages.end() ? nullptr : &*it;
}

const Language* languageByCode(std::string_view code) {
    const auto it = std::find_if(kLanguages.begin(), kLanguages.end(),
                                 [&](const Language& l) { return code == l.code; });
    return it == kLanguages.end() ? nullptr : &*it;
}

std::string_view kindName(ComponentKind kind) {
    switch (kind) {
    case ComponentKind::MenuItem:
        return "menu item";
    case ComponentKind::Label:
        return "label";
    case ComponentKind::Panel:
        return "panel";
    case ComponentKind::SpeedButton:
        return "speed button";
    case ComponentKind::Button:
        return "button";
    case ComponentKind::BitmapButton:
        return "bitmap button";
    case ComponentKind::CheckBox:
        return "check box";
    case ComponentKind::RadioButton:
        return "radio button";
    case ComponentKind::TabSheet:
        return "tab sheet";
    case ComponentKind::RadioGroup:
        return "radio group";
    case ComponentKind::EditField:
        return "edit field";
    case ComponentKind::Window:
        return "window";
    }
    return "";
}

std::filesystem::path languageFolder(const std::filesystem::path& programFolder) {
    return programFolder / "land";
}

std::filesystem::path baseLanguageFile(const std::filesystem::path& programFolder) {
    return languageFolder(programFolder) / kBaseFileName;
}

void setStartButtonCaption(Workspace& ws, const std::string& caption) {
    if (ws.run.running && ws.run.showsStop())
        ws.view.idleCaption = caption;
    else
        ws.view.startButtonCaption = caption;
}

LanguageLoadResult loadLanguage(Workspace& ws, const std::string& code,
                                const std::vector<LanguageComponent>& components) {
    // A file that is there but cannot be read (too large, no regular file) is told and
    // counts as missing: the load goes on with the texts it has.
    const auto read = [&](const std::filesystem::path& path) {
        try {
            return readLanguageFile(path);
        } catch (const IoError& e) {
            ws.program.ui.showMessage(e.what(), "Sprache");
            return std::optional<std::vector<std::string>>{};
        }
    };
    LanguageFileLines files;
    files.base = read(baseLanguageFile(ws.program.folder));
    if (!files.base)
        return {};
    files.translation = read(codeFile(ws.program.folder, kBaseFileName, code));
    files.options = read(codeFile(ws.program.folder, "Radio.txt", code));
    files.messages = read(codeFile(ws.program.folder, "meldungen.txt", code));
    return applyLanguageFiles(ws, files, components);
}

LanguageLoadResult applyLanguageFiles(Workspace& ws, const LanguageFileLines& files,
                                      const std::vector<LanguageComponent>& components) {
    LanguageLoadResult result;
    if (!files.base)
        return result;
    const std::vector<std::string>* base = &*files.base;
    result.baseFileFound = true;
    const std::vector<std::string>* translation = files.translation ? &*files.translation : nullptr;
    result.translationMode = translation != nullptr;
    result.applied.assign((base->size() + 4) / 5, false);
    // A generator run's start button keeps showing the stop caption, in the new language.
    const bool stopShown = ws.run.running && ws.run.showsStop();

    std::size_t start = 0;
    for (const LanguageComponent& component : components) {
        if (component.window.empty() || component.name.empty())
            continue;
        const std::optional<std::size_t> k = findEntry(*base, component, start);
        if (!k)
            continue;
        start = *k;
        result.applied[*k] = true;
        // A translation or base file that ends early leaves the texts it lacks as they are.
        const std::string* caption =
            translation ? lineAt(*translation, 2 * *k) : lineAt(*base, 5 * *k + 2);
        const std::string* hint =
            translation ? lineAt(*translation, 2 * *k + 1) : lineAt(*base, 5 * *k + 3);
        const std::string* charset = translation ? nullptr : lineAt(*base, 5 * *k + 4);
        try {
            if (caption && component.kind != ComponentKind::EditField && component.setCaption)
                component.setCaption(*caption);
            if (hint && component.setHint)
                component.setHint(*hint);
            if (charset && component.kind != ComponentKind::MenuItem && component.setCharset)
                if (const std::optional<int> number = charsetNumber(*charset))
                    component.setCharset(*number);
        } catch (...) {
            // One component that refuses its texts does not stop the load.
        }
    }

    if (files.options) {
        ws.options.setKeyModeItems(*files.options);
        result.optionsReplaced = true;
    }
    if (files.messages) {
        MessageTable& messages = ws.program.messages;
        const std::string crossSum = messages.line(msg::CrossSum);
        messages.replace(*files.messages);
        result.messagesReplaced = true;
        // The cross sum beside the current draw speaks the new language at once.
        std::string& caption = ws.view.crossSumCaption;
        if (!crossSum.empty() && caption.starts_with(crossSum))
            caption = messages.line(msg::CrossSum) + caption.substr(crossSum.size());
    }
    if (stopShown)
        ws.view.startButtonCaption = ws.program.messages.line(msg::Stop);
    else
        ws.view.idleCaption = ws.view.startButtonCaption;
    return result;
}

std::string missingLanguageFilesText(const std::filesystem::path& programFolder,
                                     const Language& language) {
    const std::filesystem::path base = baseLanguageFile(programFolder);
    std::error_code ec;
    const auto exists = [&](const std::filesystem::path& path) {
        return std::filesystem::exists(path, ec);
    };
    if (!exists(base))
        return "Die Sprachdateien für " + std::string(language.caption) +
               " wurden nicht gefunden: " + base.string() +
               " fehlt. Die Sprache bleibt, wie sie war.";
    const std::string code = language.code;
    if (code == "de")
        return {};
    const std::vector<std::filesystem::path> own{codeFile(programFolder, kBaseFileName, code),
                                                 codeFile(programFolder, "Radio.txt", code),
                                                 codeFile(programFolder, "meldungen.txt", code)};
    if (std::any_of(own.begin(), own.end(), exists))
        return {};
    return "Die Sprachdateien für " + std::string(language.caption) +
           " wurden nicht gefunden: in " + languageFolder(programFolder).string() + " fehlen " +
           own[0].filename().string() + ", " + own[1].filename().string() + " und " +
           own[2].filename().string() + ". Die Sprache bleibt, wie sie war.";
}

LanguageLoadResult chooseLanguage(Workspace& ws, const Language& language,
                                  const std::vector<LanguageComponent>& components) {
    if (const std::string missing = missingLanguageFilesText(ws.program.folder, language);
        !missing.empty()) {
        ws.program.ui.showMessage(missing, "Sprache");
        return {};
    }
    LanguageLoadResult result = loadLanguage(ws, language.code, components);
    ws.languageNumber = language.number;
    return result;
}

const Language* applyStoredLanguage(Workspace& ws,
                                    const std::vector<LanguageComponent>& components) {
    const Language* language = languageByNumber(ws.languageNumber);
    if (!language)
        return nullptr;
    if (!chooseLanguage(ws, *language, components).baseFileFound) {
        ws.languageNumber = 0; // the German texts are shown
        return nullptr;
    }
    return language;
}

std::vector<LanguageComponent> workspaceComponents(Workspace& ws) {
    std::vector<LanguageComponent> components;
    std::optional<std::vector<std::string>> base;
    try {
        base = readLanguageFile(baseLanguageFile(ws.program.folder));
    } catch (const IoError&) {
        // The load itself tells the user about a base file it cannot read.
    }
    if (!base)
        return components;
    for (std::size_t k = 0; 5 * k + 1 < base->size(); ++k) {
        LanguageComponent c;
        c.window = trimmedName((*base)[5 * k]);
        c.name = trimmedName((*base)[5 * k + 1]);
        if (c.window == kMainWindowName && c.name == kStartButtonName) {
            c.kind = ComponentKind::BitmapButton;
            c.setCaption = [&ws](const std::string& caption) {
                setStartButtonCaption(ws, caption);
            };
        }
        components.push_back(std::move(c));
    }
    return components;
}

} // namespace kav
