// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Options.h"

#include <algorithm>
#include <stdexcept>

namespace kav {
namespace {

constexpr std::array<UpDownSpec, kUpDownCount> kSpecs{{
    {1, 37, 21, 279, 50}, {2, 38, 21, 239, 200}, {3, 39, 0, 5, 2},      {4, 40, 0, 5, 0},
    {5, 41, 0, 5, 1},     {6, 42, 3, 5, 5},      {7, 55, 1, 30000, 50}, {8, 80, 1, 12, 5},
    {9, 88, 0, 5, 1},     {10, 83, 0, 6, 2},     {11, 84, 0, 5, 2},     {12, 85, 5, 75, 30},
    {13, 86, 5, 75, 30},  {14, 87, 5, 75, 20},   {15, 89, 0, 6, 2},     {16, 90, 0, 6, 2},
    {17, 91, 2, 6, 3},    {18, 92, 4, 128, 20},  {19, 105, 1, 6, 1},
}};

// Check boxes that start checked in the design.
constexpr int kCheckedByDefault[] = {3, 4, 5, 9, 10, 14, 18, 23, 24, 27, 28};

void requireUpDown(int number) {
    if (number < 1 || number > kUpDownCount)
        throw std::out_of_range("kein Drehfeld UpDown" + std::to_string(number));
}

} // namespace

const std::array<UpDownSpec, kUpDownCount>& upDownSpecs() {
    return kSpecs;
}

const UpDownSpec& upDownSpec(int number) {
    requireUpDown(number);
    return kSpecs[static_cast<std::size_t>(number - 1)];
}

Options::Options()
    : radioItems_{"einfach per Zufall bestimmen", "die am seltensten gezogen Nº Clave verwenden",
                  "die am längsten ausstehende Nº Clave verwenden"} {
    for (int n : kCheckedByDefault)
        checkBoxes_[static_cast<std::size_t>(n)] = true;
    for (const UpDownSpec& s : kSpecs)
        spins_[static_cast<std::size_t>(s.number)] = {s.minimum, s.maximum, s.defaultPosition};
}

bool Options::hasCheckBox(int number) {
    return number >= 1 && number <= kCheckBoxCount && number != 17 && number != 21;
}

bool Options::checkBox(int number) const {
    return hasCheckBox(number) && checkBoxes_[static_cast<std::size_t>(number)];
}

void Options::setCheckBox(int number, bool checked) {
    if (!hasCheckBox(number))
        throw std::out_of_range("kein Kontrollkästchen CheckBox" + std::to_string(number));
    checkBoxes_[static_cast<std::size_t>(number)] = checked;
    if (number == 31)
        setUpDownBounds(6, upDownMinimum(6), checked ? 7 : 5);
}

int Options::upDown(int number) const {
    requireUpDown(number);
    return spins_[static_cast<std::size_t>(number)].position;
}

void Options::setUpDown(int number, int position) {
    requireUpDown(number);
    SpinState& s = spins_[static_cast<std::size_t>(number)];
    s.position = std::clamp(position, s.minimum, std::max(s.minimum, s.maximum));
}

void Options::forceUpDown(int number, int position) {
    requireUpDown(number);
    spins_[static_cast<std::size_t>(number)].position = position;
}

int Options::upDownMinimum(int number) const {
    requireUpDown(number);
    return spins_[static_cast<std::size_t>(number)].minimum;
}

int Options::upDownMaximum(int number) const {
    requireUpDown(number);
    return spins_[static_cast<std::size_t>(number)].maximum;
}

void Options::setUpDownBounds(int number, int minimum, int maximum) {
    requireUpDown(number);
    SpinState& s = spins_[static_cast<std::size_t>(number)];
    s.minimum = minimum;
    s.maximum = maximum;
    setUpDown(number, s.position);
}

void Options::setRadioGroup1(int item) {
    const int last = std::max(0, static_cast<int>(radioItems_.size()) - 1);
    radioGroup1_ = std::clamp(item, 0, last);
}

void Options::setRadioItems(std::vector<std::string> items) {
    radioItems_ = std::move(items);
    setRadioGroup1(radioGroup1_);
}

} // namespace kav
