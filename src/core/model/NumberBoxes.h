// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

namespace kav {

// The number list dialog `TForm6` shows the numbers 1..54 as check boxes; a box's hint
// (its tooltip) carries the number's weight as text. These are the boxes as values, so
// that everything the dialog decides is done here and the window only shows the result.
inline constexpr int kListNumbers = 54;

enum class BoxColour { ToolTip, Yellow };

struct NumberBox {
    bool checked = false;
    std::string weight; // the hint text
    BoxColour colour = BoxColour::ToolTip;
};

class NumberBoxes {
public:
    // Box of `number` 1..54.
    NumberBox& operator[](int number) { return boxes_[index(number)]; }
    const NumberBox& operator[](int number) const { return boxes_[index(number)]; }

    // The checked numbers in ascending order.
    std::vector<int> checkedNumbers() const;

private:
    static std::size_t index(int number) { return static_cast<std::size_t>(number - 1); }
    std::array<NumberBox, kListNumbers> boxes_;
};

} // namespace kav
