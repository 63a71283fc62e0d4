// SPDX-License-Identifier: GPL-3.0-or-later
#include "Handoff.h"

#include "base/IntegerText.h"
#include "base/Windows1252.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace kav::klickstart {

Handoff readHandoff(const std::vector<std::string>& arguments) {
    Handoff h;
    h.arguments = arguments;
    if (arguments.size() < 6 || arguments.front() != "START") {
        h.error = "Erwartet: START <Click-Script> ZAHL1 TEXT1 ZAHL2 TEXT2";
        return h;
    }
    const std::size_t parameters = arguments.size() - 4;
    for (std::size_t i = 1; i < parameters; ++i)
        h.script += (i > 1 ? " " : "") + arguments[i];
    h.zahl1 = arguments[parameters];
    h.text1 = arguments[parameters + 1];
    h.zahl2 = arguments[parameters + 2];
    h.text2 = arguments[parameters + 3];

    std::ifstream in(h.script, std::ios::binary);
    if (!in) {
        h.error = "Das Click-Script " + h.script + " lässt sich nicht lesen.";
        return h;
    }
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    h.rows = scriptRows(fromWindows1252(bytes));
    return h;
}

std::vector<ScriptRow> scriptRows(const std::string& text) {
    std::vector<ScriptRow> rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string command, number, equals;
        if (!(words >> command >> number >> equals) || command != "TIPP" || equals != "=")
            continue;
        ScriptRow row;
        row.row = parseInteger(number).value_or(0);
        bool key = false;
        for (std::string word; words >> word;) {
            if (word == "STERN")
                key = true;
            else if (key)
                row.key = word;
            else
                row.numbers.push_back(word);
        }
        if (!row.numbers.empty() || !row.key.empty())
            rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace kav::klickstart
