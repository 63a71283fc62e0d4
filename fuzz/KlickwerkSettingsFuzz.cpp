// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as Klickwerk's settings store: its values go into the click-script hand-off
// (the parameter string, the script server's address for the chosen template) without
// ever reaching another path on the server, and what is written back reads back the same.
#include "FuzzWorkspace.h"

#include "base/SettingsValues.h"
#include "output/ClickScript.h"
#include "output/KlickwerkSettings.h"
#include "output/ScriptUpdate.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using kav::fuzz::require;
    namespace kw = kav::klickwerk;
    const std::string store(kav::fuzz::asText(data, size));
    kav::SettingsValues values = kav::parseSettingsFile(store);
    const auto text = [&](const char* name) {
        const auto it = values.find(name);
        return it != values.end() && it->second.type == kav::SettingValue::Type::Text
                   ? it->second.text
                   : std::string();
    };
    const std::string script = kav::klickwerkStoreText(store, kw::Script);
    require(script == text(kw::Script));
    const kav::KlickwerkParameters parameters{text(kw::Zahl1), text(kw::Text1), text(kw::Zahl2),
                                              text(kw::Text2)};
    const std::string line = kav::klickwerkParameterString(script, parameters);
    const std::vector<std::string> arguments = kav::splitAtBlanks(line);
    require(arguments.size() >= 6 && arguments.front() == "START");

    // The template's name is one path element below /scripts/ and adds no query.
    const std::string url = kav::scriptUpdateUrl(kav::kDefaultScriptServer, script);
    const std::string prefix = std::string(kav::kDefaultScriptServer) + "/scripts/";
    require(url.compare(0, prefix.size(), prefix) == 0);
    require(url.find_first_of("/?#\\ ", prefix.size()) == std::string::npos);

    // A value written through the store reads back as written.
    values[kw::Text1] = kav::SettingValue::ofText(script + "\n" + parameters.text1);
    require(kav::klickwerkStoreText(kav::formatSettingsFile(values), kw::Text1) ==
            script + "\n" + parameters.text1);
    return 0;
}
