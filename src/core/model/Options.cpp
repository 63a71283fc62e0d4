// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Options.h"

#include <algorithm>

namespace kav {

Options::Options()
    : keyModeItem_(static_cast<int>(keyModeControl().defaultItem)),
      keyModeItems_{"einfach per Zufall bestimmen", "die am seltensten gezogen Nº Clave verwenden",
                    "die am längsten ausstehende Nº Clave verwenden"} {
    for (const CheckBoxControl& c : checkBoxControls())
        checkBoxes_[static_cast<std::size_t>(number(c.id))] = c.checkedByDefault;
    for (const UpDownControl& c : upDownControls())
        spin(c.id) = {c.minimum, c.maximum, c.defaultPosition};
}

// The rules read options on every attempt, so the reads are plain array accesses: an
// enum value always names a control (numbers from outside are checked where they come in,
// through checkBoxControl() and upDownControl()).
Options::SpinState& Options::spin(UpDown id) {
    return spins_.at(static_cast<std::size_t>(number(id)));
}

const Options::SpinState& Options::spin(UpDown id) const {
    return spins_.at(static_cast<std::size_t>(number(id)));
}

bool Options::checked(CheckBox box) const {
    return checkBoxes_.at(static_cast<std::size_t>(number(box)));
}

void Options::setChecked(CheckBox box, bool checked) {
    control(box);
    checkBoxes_[static_cast<std::size_t>(number(box))] = checked;
    if (box == CheckBox::KeyCountsAsHit)
        setBounds(UpDown::DatabaseMatches, minimum(UpDown::DatabaseMatches), checked ? 7 : 5);
}

int Options::value(UpDown id) const {
    return spin(id).position;
}

void Options::setValue(UpDown id, int position) {
    SpinState& s = spin(id);
    s.position = std::clamp(position, s.minimum, std::max(s.minimum, s.maximum));
}

void Options::forceValue(UpDown id, int position) {
    spin(id).position = position;
}

int Options::minimum(UpDown id) const {
    return spin(id).minimum;
}

int Options::maximum(UpDown id) const {
    return spin(id).maximum;
}

void Options::setBounds(UpDown id, int minimum, int maximum) {
    SpinState& s = spin(id);
    s.minimum = minimum;
    s.maximum = maximum;
    setValue(id, s.position);
}

void Options::setKeyModeItem(int item) {
    const int last = std::max(0, static_cast<int>(keyModeItems_.size()) - 1);
    keyModeItem_ = std::clamp(item, 0, last);
}

void Options::setKeyModeItems(std::vector<std::string> items) {
    keyModeItems_ = std::move(items);
    setKeyModeItem(keyModeItem_);
}

} // namespace kav
