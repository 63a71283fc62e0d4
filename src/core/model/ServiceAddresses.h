// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kav {

// The services the program talks to, where no setting names other addresses.

// The draw-data service: kavanto-drawservice listens here by default, and the update
// looks here when the settings name no other address.
inline constexpr int kDefaultDrawServicePort = 8754;
inline constexpr const char* kDefaultDrawServiceUrl = "http://127.0.0.1:8754";

// The placeholder host of the maker's addresses; the script server's address is a setting.
inline constexpr const char* kDefaultScriptServer = "https://www.velmor.example";

} // namespace kav
