// SPDX-License-Identifier: GPL-3.0-or-later
#include "draws/DrawCaption.h"

#include "base/DayCount.h"

namespace kav {

std::string drawCaptionText(const CurrentDraw& draw, CaptionVariant variant,
                            const std::array<std::string, 7>& shortDayNames) {
    const DayCount day = wholeDayOf(draw.date);
    std::string text =
        shortDayNames[static_cast<std::size_t>(weekdayOf(day))] + " " + formatCaptionDate(day);
    text += variant == CaptionVariant::A ? "   " : "  ";
    for (int i = 0; i < kNumbersPerDraw; ++i)
        text += "  " + std::to_string(draw.number(i));
    text += variant == CaptionVariant::C ? "   R: " : " R:";
    text += std::to_string(draw.key());
    return text;
}

} // namespace kav
