// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/CurrentDraw.h"

#include <array>
#include <string>

namespace kav {

// The three forms of the draw caption: A for the first record of the file, B for a later
// record found while selecting, C for the newest draw (and for the previous/next steps).
enum class CaptionVariant { A, B, C };

// "DDD dd.mm.yy" followed by the five numbers and the key number, spaced as the variant says.
std::string drawCaptionText(const CurrentDraw& draw, CaptionVariant variant,
                            const std::array<std::string, 7>& shortDayNames);

} // namespace kav
