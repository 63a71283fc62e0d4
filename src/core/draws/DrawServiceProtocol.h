// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/DayCount.h"
#include "model/DrawRecord.h"
#include "model/ServiceAddresses.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kav {

// The draw-data service as both sides speak it: one GET per date, one draw line per draw
// in the answer. The internet update and kavanto-drawservice share these definitions.

inline constexpr const char* kDrawServicePath = "/zahlen/kavanto.asp";
inline constexpr const char* kDrawServiceProgram = "Kavanto";

// "/zahlen/kavanto.asp?Programm=Kavanto&Datum=yyyymmdd"
std::string drawServiceTarget(DayCount date);

// Eight digits "yyyymmdd" of a real date, as the request carries it.
std::optional<DayCount> parseCompactDate(std::string_view text);

// The service's address: "http://" or "https://", a host and an optional port, with at
// most a "/" after it. Returns it without the "/"; nullopt for anything else.
std::optional<std::string> normaliseServiceAddress(std::string_view text);

// The update's date step: from a Saturday one day on (to the Sunday), from a Sunday six
// days on (to the next Saturday), from any other day to the next Saturday. So a walk from
// any date asks for every Saturday and Sunday after it.
DayCount nextRequestDate(DayCount date);

struct DrawLine {
    std::array<int, kNumbersPerDraw> numbers{};
    int key = 0;

    bool operator==(const DrawLine&) const = default;
};

// The game draws once a date; an answer may bring a correction beside it, but an answer
// with more different draws than this for one date is no answer of the service.
inline constexpr std::size_t kMaxDrawsPerAnswer = 5;

// One line of an answer, read from the left: a leading field up to the first ",", five
// whole numbers each followed by ",", the key number up to the next ";", the rest ignored;
// blanks and control characters around each value do not count. nullopt when the line
// does not have this form, and also when its numbers are not five distinct values 1..54
// or its key is not 0..9: nothing out of range may reach the draw file.
std::optional<DrawLine> parseDrawLine(std::string_view line);

// A whole answer as the update takes it: the draw lines from the top (split at CR LF, LF
// or CR), up to the first line that is not a draw line, where reading stops; the draws
// before it count. An answer stopped so that holds the word "Mitteilung" is a message to
// the user, shown whole.
struct ServiceAnswer {
    std::vector<DrawLine> draws; // a line repeated in the answer counts once
    bool stoppedAtLine = false;  // a line that is not a draw line ended the reading
    bool message = false;
    // More than kMaxDrawsPerAnswer different draws: none of them is taken.
    bool tooManyDraws() const { return draws.size() > kMaxDrawsPerAnswer; }
};
ServiceAnswer readServiceAnswer(std::string_view body);

// The line the service answers for one draw, without a line end:
// "<leading>,n1,n2,n3,n4,n5,key;<rest>".
std::string drawLineText(std::string_view leadingField, const DrawRecord& record,
                         std::string_view rest = {});

} // namespace kav
