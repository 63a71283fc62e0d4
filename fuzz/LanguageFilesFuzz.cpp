// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a language file: decoded, they are valid UTF-8 lines without line breaks,
// whatever their byte-order mark; as the base file, every entry of theirs is counted and an
// edit field keeps its text; as translation, option and message file of a sound base file,
// the load puts them in place as they are.
#include "FuzzWorkspace.h"

#include "app/LanguageLoad.h"
#include "base/LanguageFile.h"
#include "base/Utf8.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Components of each kind the load touches, in the order the windows create them, with
// setters that keep what they were given.
struct RecordedTexts {
    std::vector<std::string> captions;
    std::vector<std::string> hints;
};

std::vector<kav::LanguageComponent> components(RecordedTexts& texts) {
    using kav::ComponentKind;
    struct Named {
        const char* window;
        const char* name;
        ComponentKind kind;
    };
    static const Named named[] = {
        {"Form1", "Form1", ComponentKind::Window},
        {"Form1", "BitBtn4", ComponentKind::BitmapButton},
        {"Form1", "TabSheet4", ComponentKind::TabSheet},
        {"Form1", "Deutsch1", ComponentKind::MenuItem},
        {"Form1", "Edit1", ComponentKind::EditField},
        {"Form6", "BitBtn4", ComponentKind::Button},
        {"VKSForm", "LabeledEdit2", ComponentKind::EditField},
    };
    std::vector<kav::LanguageComponent> result;
    for (const Named& n : named) {
        kav::LanguageComponent component{n.window, n.name, n.kind, {}, {}, {}};
        component.setCaption = [&texts](const std::string& text) {
            texts.captions.push_back(text);
        };
        component.setHint = [&texts](const std::string& text) { texts.hints.push_back(text); };
        component.setCharset = [](int) {};
        result.push_back(std::move(component));
    }
    return result;
}

// A base file naming every component above, as shipped files do.
const std::vector<std::string>& soundBaseFile() {
    static const std::vector<std::string> lines = [] {
        std::vector<kav::BaseFileEntry> entries;
        RecordedTexts unused;
        for (const kav::LanguageComponent& c : components(unused))
            entries.push_back({c.window, c.name, c.name + " caption", c.name + " hint", 1});
        return kav::decodeLanguageText(kav::formatBaseFile(entries));
    }();
    return lines;
}

// Valid UTF-8 without a line break, checked in place.
bool isCleanLine(std::string_view line) {
    for (std::size_t i = 0; i < line.size();)
        if (line[i] == '\r' || line[i] == '\n' || !kav::nextCodePoint(line, i))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kav::fuzz::require;
    const std::vector<std::string> lines = kav::decodeLanguageText(kav::fuzz::asText(data, size));
    for (const std::string& line : lines)
        require(isCleanLine(line));

    {
        kav::fuzz::FuzzWorkspace f;
        RecordedTexts texts;
        kav::LanguageFileLines files;
        files.base = lines;
        const kav::LanguageLoadResult result =
            kav::applyLanguageFiles(f.ws, files, components(texts));
        require(result.baseFileFound && !result.translationMode);
        require(result.applied.size() == (lines.size() + 4) / 5);
        // Edit fields take hints only, so at most the five other components got captions.
        require(texts.captions.size() <= 5);
    }
    {
        kav::fuzz::FuzzWorkspace f;
        RecordedTexts texts;
        kav::LanguageFileLines files;
        files.base = soundBaseFile();
        files.translation = files.options = files.messages = lines;
        const kav::LanguageLoadResult result =
            kav::applyLanguageFiles(f.ws, files, components(texts));
        require(result.translationMode && result.optionsReplaced && result.messagesReplaced);
        for (bool applied : result.applied)
            require(applied);
        require(f.ws.program.messages.size() == lines.size());
        for (std::size_t k = 0; k < lines.size(); ++k)
            require(f.ws.program.messages.line(k) == lines[k]);
        for (const std::string& caption : texts.captions)
            require(caption.empty() ||
                    std::find(lines.begin(), lines.end(), caption) != lines.end());
    }
    return 0;
}
