// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsLoad.h"

#include "app/Workspace.h"
#include "base/IntegerText.h"

#include <bit>
#include <optional>

namespace kav {
namespace {

// A read inside a guarded unit: nullopt for a missing value (keep the default); throws
// WrongType for a value of another type, which ends the unit.
struct WrongType {};

std::optional<std::int32_t> readInteger(const SettingsValues& values, const std::string& name) {
    const auto it = values.find(name);
    if (it == values.end())
        return std::nullopt;
    if (it->second.type != SettingValue::Type::Integer)
        throw WrongType{};
    return it->second.integer;
}

std::optional<std::string> readText(const SettingsValues& values, const std::string& name) {
    const auto it = values.find(name);
    if (it == values.end())
        return std::nullopt;
    if (it->second.type != SettingValue::Type::Text)
        throw WrongType{};
    return it->second.text;
}

std::optional<double> readDate(const SettingsValues& values, const std::string& name) {
    const auto it = values.find(name);
    if (it == values.end())
        return std::nullopt;
    if (it->second.type != SettingValue::Type::Binary || it->second.binary.size() != 8)
        throw WrongType{};
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(it->second.binary[i]) << (8 * i);
    return std::bit_cast<double>(bits);
}

template <typename Unit> void guarded(Unit&& unit) {
    try {
        unit();
    } catch (const WrongType&) {
    }
}

std::string editName(int number) {
    return "Edit" + std::to_string(number);
}
std::string upDownName(int number) {
    return "UpDown" + std::to_string(number);
}

// The 72 sheet cells in ascending cell-number order.
template <typename Visit> void forEachSheetCell(Visit&& visit) {
    for (int n = 1; n <= 79; ++n)
        if (const auto cell = TipSheet::cellOfEdit(n))
            visit(n, *cell);
}

} // namespace

std::string checkBoxSettingName(int number) {
    return "Chekcbox" + std::to_string(number);
}

void loadSettings(Workspace& ws, const SettingsValues& values) {
    ws.evaluationSwitch = false;
    guarded([&] {
        for (int n = 1; n <= kCheckBoxCount; ++n)
            if (Options::hasCheckBox(n))
                if (const auto v = readInteger(values, checkBoxSettingName(n)))
                    ws.options.setCheckBox(n, *v != 0);
        ws.options.setUpDownBounds(6, ws.options.upDownMinimum(6), ws.options.checkBox(31) ? 7 : 5);
        if (const auto v = readInteger(values, "height"))
            ws.windowHeight = *v;
        if (const auto v = readInteger(values, "width"))
            ws.windowWidth = *v;
        ws.languageNumber = 0;
        if (const auto v = readInteger(values, "Sprache"))
            ws.languageNumber = *v;
    });
    // Unlike the other values, a damaged "RadioGroup1" is treated as a guarded unit of its
    // own: the default stays and the load goes on.
    guarded([&] {
        if (const auto v = readInteger(values, "RadioGroup1"))
            ws.options.setRadioGroup1(*v);
    });
    guarded([&] {
        for (int n = 1; n <= kUpDownCount; ++n)
            if (const auto v = readInteger(values, upDownName(n)))
                ws.options.setUpDown(n, static_cast<std::int16_t>(*v));
        forEachSheetCell([&](int n, CellPosition cell) {
            if (const auto v = readText(values, editName(n)))
                ws.sheet.setCell(cell.row, cell.column, *v);
        });
    });
    ws.evaluationSwitch = true;
    guarded([&] {
        if (const auto v = readText(values, "ProxyHostEdit"))
            ws.options.proxyHost = *v;
        if (const auto v = readText(values, "ProxyPortEdit"))
            ws.options.proxyPort = *v;
    });
    // The draw-data service's address has a guarded unit of its own; an empty one is
    // the default again.
    guarded([&] {
        if (const auto v = readText(values, "DrawServiceUrl"); v && !v->empty())
            ws.options.drawServiceUrl = *v;
    });
    bool startRead = false;
    guarded([&] {
        if (const auto v = readDate(values, "DateTimePicker2"))
            startRead = ws.startPicker.set(roundToDay(*v));
        else
            startRead = true; // missing: the design default stays
    });
    if (!startRead)
        ws.startPicker.value = ws.endPicker.minimum;
    if (ws.startPicker.value > ws.today() - 7)
        ws.startPicker.value = ws.startPicker.minimum;
    if (ws.options.proxyHost.empty())
        ws.options.proxyPort = "80";
    guarded([&] {
        if (const auto v = readText(values, "ScriptServer"))
            ws.options.scriptServer = *v;
    });
}

SettingsValues saveSettings(const Workspace& ws, bool includeGeometry) {
    SettingsValues values;
    for (int n = 1; n <= kCheckBoxCount; ++n)
        if (Options::hasCheckBox(n))
            values[checkBoxSettingName(n)] =
                SettingValue::ofInteger(ws.options.checkBox(n) ? 1 : 0);
    if (includeGeometry) {
        values["height"] = SettingValue::ofInteger(ws.windowHeight);
        values["width"] = SettingValue::ofInteger(ws.windowWidth);
    }
    values["Sprache"] = SettingValue::ofInteger(ws.languageNumber);
    values["RadioGroup1"] = SettingValue::ofInteger(ws.options.radioGroup1());
    for (int n = 1; n <= kUpDownCount; ++n)
        values[upDownName(n)] =
            SettingValue::ofInteger(static_cast<std::int16_t>(ws.options.upDown(n)));
    forEachSheetCell([&](int n, CellPosition cell) {
        values[editName(n)] = SettingValue::ofText(ws.sheet.cell(cell.row, cell.column));
    });
    values["ProxyHostEdit"] = SettingValue::ofText(ws.options.proxyHost);
    values["ProxyPortEdit"] = SettingValue::ofText(ws.options.proxyPort);
    values["DrawServiceUrl"] = SettingValue::ofText(ws.options.drawServiceUrl);
    values["DateTimePicker2"] = SettingValue::ofDate(static_cast<double>(ws.startPicker.value));
    values["ScriptServer"] = SettingValue::ofText(ws.options.scriptServer);
    return values;
}

bool isSettableName(const std::string& name) {
    const auto numberAfter = [&](std::string_view prefix) -> std::optional<int> {
        if (name.rfind(prefix, 0) != 0 || name.size() == prefix.size())
            return std::nullopt;
        const std::string digits = name.substr(prefix.size());
        if (digits.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        return parseInteger(digits);
    };
    if (name == "RadioGroup1")
        return true;
    if (const auto n = numberAfter("Chekcbox"))
        return Options::hasCheckBox(*n);
    if (const auto n = numberAfter("UpDown"))
        return *n >= 1 && *n <= kUpDownCount;
    if (const auto n = numberAfter("Edit"))
        return TipSheet::cellOfEdit(*n).has_value();
    return false;
}

} // namespace kav
