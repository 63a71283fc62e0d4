// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kav::gui {

// Addresses behind the banners and link labels.
inline constexpr const char* kMakerHomePage = "https://www.velmor.example/";
inline constexpr const char* kProductPage = "https://www.velmor.example/kavanto/";
inline constexpr const char* kResultsPage = "https://www.velmor.example/kavanto/ziehungen/";
inline constexpr const char* kProductBanner = "K A V A N T O   0 . 1";
inline constexpr const char* kMakerBanner = "w w w . v e l m o r . e x a m p l e";

} // namespace kav::gui
