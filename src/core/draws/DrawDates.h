// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "model/DrawSnapshot.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace kav {

// What the dates of a draw file say about it as a whole. The writers take new draws to be
// later than `newest`; a file with a newest date that is no real draw date (not a finite
// day from the pickers' first date up to today: a damaged record, 31.12.9999) gives them no
// start, and one out of date order is told to the user.
struct DrawDates {
    // The latest date of the file, when every record's date is a finite number and the
    // latest is a day from 06.02.2005 to today; nullopt otherwise (or without records).
    std::optional<double> newest;
    // The record whose date makes `newest` unusable (not finite, before 06.02.2005 or
    // after today), when there is one.
    std::optional<std::size_t> unusableRecord;
    // The first record dated before the record ahead of it.
    std::optional<std::size_t> firstOutOfOrder;
};

DrawDates examineDrawDates(const DrawSnapshot& draws, DayCount today);

// "Die neueste Ziehung in FILE (Nr. N) ist auf DATE datiert, nach dem heutigen Tag." and the
// like, for a file whose newest date is unusable; empty when it is usable.
std::string unusableNewestText(const DrawSnapshot& draws, const DrawDates& dates,
                               const std::filesystem::path& file);

// What the user can do about it: the update requests nothing while such a draw is newest.
inline constexpr const char* kUnusableNewestRemedy =
    " Solange sie die neueste ist, fragt das Einlesen keine Ziehungen an. Löschen Sie diese "
    "Ziehung (Seite \"Datenbank\", \"Löschen\") oder legen Sie die Datenbank neu an.";

// "Die Ziehungen in FILE stehen nicht in Datumsfolge: ..." for a file out of order.
std::string outOfOrderText(const DrawSnapshot& draws, const DrawDates& dates,
                           const std::filesystem::path& file);

} // namespace kav
