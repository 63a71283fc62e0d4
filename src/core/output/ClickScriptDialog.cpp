// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/ClickScriptDialog.h"

#include "output/ClickScript.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace kav {
namespace {

// "*.vks" as the Windows file search matches it: the extension in any case.
bool isClickScriptName(const std::filesystem::path& name) {
    std::string extension = name.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // A non-empty extension always starts with its dot.
    return !extension.empty() && std::string_view(extension).substr(1) == kClickScriptExtension;
}

} // namespace

ClickScriptList listClickScripts(const std::filesystem::path& scriptFolder,
                                 const std::string& remembered) {
    ClickScriptList list;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(scriptFolder, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (isClickScriptName(it->path().filename()) && !it->is_directory(typeError))
            list.scripts.push_back(it->path().string());
    }
    list.text = remembered.empty() && !list.scripts.empty() ? list.scripts.back() : remembered;
    return list;
}

void completeNumberFields(ClickScriptFields& fields) {
    for (std::string* number : {&fields.zahl1, &fields.zahl2})
        if (number->empty())
            number->push_back('0'); // (assigning "0" trips a false GCC 12 warning)
}

} // namespace kav
