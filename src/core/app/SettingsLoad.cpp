// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsLoad.h"

#include "app/Workspace.h"
#include "base/IntegerText.h"
#include "model/Controls.h"

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

// The 72 sheet cells in ascending cell-number order.
template <typename Visit> void forEachSheetCell(Visit&& visit) {
    for (int n = 1; n <= 79; ++n)
        if (const auto cell = TipSheet::cellOfEdit(n))
            visit(n, *cell);
}

} // namespace

void loadSettings(Workspace& ws, const SettingsValues& values) {
    Options& options = ws.options;
    ws.ticket.evaluationSwitch = false;
    guarded([&] {
        for (const CheckBoxControl& box : checkBoxControls())
            if (const auto v = readInteger(values, settingName(box.id)))
                options.setChecked(box.id, *v != 0);
        options.setBounds(UpDown::DatabaseMatches, options.minimum(UpDown::DatabaseMatches),
                          options.checked(CheckBox::KeyCountsAsHit) ? 7 : 5);
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
        if (const auto v = readInteger(values, keyModeControl().name))
            options.setKeyModeItem(*v);
    });
    guarded([&] {
        for (const UpDownControl& spin : upDownControls())
            if (const auto v = readInteger(values, settingName(spin.id)))
                options.setValue(spin.id, static_cast<std::int16_t>(*v));
        forEachSheetCell([&](int n, CellPosition cell) {
            if (const auto v = readText(values, editName(n)))
                ws.ticket.sheet.setCell(cell.row, cell.column, *v);
        });
    });
    ws.ticket.evaluationSwitch = true;
    guarded([&] {
        if (const auto v = readText(values, "ProxyHostEdit"))
            options.proxyHost = *v;
        if (const auto v = readText(values, "ProxyPortEdit"))
            options.proxyPort = *v;
    });
    // The draw-data service's address has a guarded unit of its own; an empty one is
    // the default again.
    guarded([&] {
        if (const auto v = readText(values, "DrawServiceUrl"); v && !v->empty())
            options.drawServiceUrl = *v;
    });
    bool startRead = false;
    guarded([&] {
        if (const auto v = readDate(values, "DateTimePicker2"))
            startRead = ws.drawWindow.startPicker.set(roundToDay(*v));
        else
            startRead = true; // missing: the design default stays
    });
    DatePicker& start = ws.drawWindow.startPicker;
    if (!startRead)
        start.value = ws.drawWindow.endPicker.minimum;
    if (start.value > ws.program.today() - 7)
        start.value = start.minimum;
    if (options.proxyHost.empty())
        options.proxyPort = "80";
    guarded([&] {
        if (const auto v = readText(values, "ScriptServer"))
            options.scriptServer = *v;
    });
}

SettingsValues saveSettings(const Workspace& ws, bool includeGeometry) {
    const Options& options = ws.options;
    SettingsValues values;
    for (const CheckBoxControl& box : checkBoxControls())
        values[settingName(box.id)] = SettingValue::ofInteger(options.checked(box.id) ? 1 : 0);
    if (includeGeometry) {
        values["height"] = SettingValue::ofInteger(ws.windowHeight);
        values["width"] = SettingValue::ofInteger(ws.windowWidth);
    }
    values["Sprache"] = SettingValue::ofInteger(ws.languageNumber);
    values[keyModeControl().name] = SettingValue::ofInteger(options.keyModeItem());
    for (const UpDownControl& spin : upDownControls())
        values[settingName(spin.id)] =
            SettingValue::ofInteger(static_cast<std::int16_t>(options.value(spin.id)));
    forEachSheetCell([&](int n, CellPosition cell) {
        values[editName(n)] = SettingValue::ofText(ws.ticket.sheet.cell(cell.row, cell.column));
    });
    values["ProxyHostEdit"] = SettingValue::ofText(options.proxyHost);
    values["ProxyPortEdit"] = SettingValue::ofText(options.proxyPort);
    values["DrawServiceUrl"] = SettingValue::ofText(options.drawServiceUrl);
    values["DateTimePicker2"] =
        SettingValue::ofDate(static_cast<double>(ws.drawWindow.startPicker.value));
    values["ScriptServer"] = SettingValue::ofText(options.scriptServer);
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
    if (name == keyModeControl().name)
        return true;
    if (const auto n = numberAfter("Chekcbox"))
        return checkBoxControl(*n) != nullptr;
    if (const auto n = numberAfter("UpDown"))
        return upDownControl(*n) != nullptr;
    if (const auto n = numberAfter("Edit"))
        return TipSheet::cellOfEdit(*n).has_value();
    return false;
}

} // namespace kav
