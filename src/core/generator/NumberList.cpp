// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/NumberList.h"

#include "base/AtomicFile.h"
#include "base/InputFile.h"
#include "base/IntegerText.h"
#include "base/IoError.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>

namespace kav {
namespace {

// No list the program writes comes near these; anything longer is not a list.
constexpr std::size_t kMaxLineLength = 32;

// A weight as the user sees it in a message: a hand-edited text may be long.
std::string quotedWeight(const std::string& weight) {
    constexpr std::size_t kShown = 20;
    return "\"" + (weight.size() > kShown ? weight.substr(0, kShown) + "…" : weight) + "\"";
}

int clampedCount(int count) {
    return std::clamp(count, 0, kListNumbers);
}

[[noreturn]] void refuse(const std::string& source, const std::string& reason) {
    throw NumberListError("Die Datei \"" + source + "\" ist keine gültige Werteliste: " + reason +
                          " Die Liste bleibt unverändert.");
}

} // namespace

void showPool(NumberBoxes& boxes, const std::array<int, 55>& weights) {
    for (int k = 1; k <= kListNumbers; ++k) {
        const int weight = weights[static_cast<std::size_t>(k)];
        boxes[k].checked = weight > 0;
        boxes[k].weight = std::to_string(weight);
    }
}

CandidatePool poolFromBoxes(const NumberBoxes& boxes) {
    CandidatePool pool;
    for (int k = 1; k <= kListNumbers; ++k) {
        const NumberBox& box = boxes[k];
        if (!box.checked)
            continue;
        const std::optional<int> weight = parseInteger(box.weight);
        if (!weight)
            throw NumberListError("Das Gewicht " + quotedWeight(box.weight) + " der Zahl " +
                                  std::to_string(k) +
                                  " ist keine ganze Zahl. Tragen Sie eine ganze Zahl ein oder "
                                  "nehmen Sie das Häkchen der Zahl weg.");
        if (*weight > kMaxListWeight)
            throw NumberListError("Das Gewicht " + std::to_string(*weight) + " der Zahl " +
                                  std::to_string(k) + " ist größer als " +
                                  std::to_string(kMaxListWeight) + ".");
        if (*weight >= 0)
            pool.append(k, std::max(*weight, 1));
    }
    return pool;
}

void markNumbers(NumberBoxes& boxes, const std::vector<int>& numbers) {
    for (int k = 1; k <= kListNumbers; ++k) {
        boxes[k].checked = false;
        boxes[k].colour = BoxColour::ToolTip;
    }
    for (int k : numbers)
        if (k >= 1 && k <= kListNumbers) {
            boxes[k].checked = true;
            boxes[k].colour = BoxColour::Yellow;
        }
}

void paintAllToolTip(NumberBoxes& boxes) {
    for (int k = 1; k <= kListNumbers; ++k)
        boxes[k].colour = BoxColour::ToolTip;
}

std::string proposedNumberListName(DayCount today) {
    return formatCompactDate(today) + "." + kNumberListExtension;
}

std::string numberListText(NumberBoxes& boxes, int count) {
    std::string text;
    for (int k = 1; k <= clampedCount(count); ++k) {
        NumberBox& box = boxes[k];
        if (box.checked) {
            if (box.weight.empty())
                box.weight = "1";
            text += box.weight;
        }
        text += "\r\n";
    }
    return text;
}

void saveNumberList(NumberBoxes& boxes, int count, const std::filesystem::path& path) {
    writeFileAtomically(path, numberListText(boxes, count));
}

NumberBoxes readNumberList(const NumberBoxes& boxes, int count, std::string_view text,
                           const std::string& source) {
    if (text.size() > inputLimit::kNumberList)
        refuse(source, "Die Datei ist zu groß.");
    NumberBoxes loaded = boxes;
    for (int k = 1; k <= clampedCount(count); ++k) {
        std::string_view line;
        const bool present = !text.empty();
        if (present) {
            const std::size_t end = text.find('\n');
            line = text.substr(0, end);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
        }
        NumberBox& box = loaded[k];
        if (line.empty()) {
            box.checked = false;
            box.weight = "1";
            continue;
        }
        const std::string where = "Zeile " + std::to_string(k);
        if (line.size() > kMaxLineLength)
            refuse(source, where + " ist zu lang.");
        const std::optional<int> weight = parseInteger(line);
        if (!weight)
            refuse(source, where + " enthält keine ganze Zahl.");
        if (*weight > kMaxListWeight)
            refuse(source,
                   where + " enthält ein Gewicht über " + std::to_string(kMaxListWeight) + ".");
        box.checked = true;
        box.weight = std::string(line);
    }
    return loaded;
}

NumberBoxes loadNumberList(const NumberBoxes& boxes, int count, const std::filesystem::path& path) {
    return readNumberList(boxes, count, readInputFile(path, inputLimit::kNumberList),
                          path.string());
}

} // namespace kav
