// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Workspace.h"
#include "support/ScriptedInteraction.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace kav::fuzz {

// A fresh workspace for one input, so that an input gives the same run whenever it is
// replayed. Its program folder lies below /dev/null: the targets work in memory, and a
// command that still tried to write a file would fail (even as root) instead of leaving
// anything behind.
struct FuzzWorkspace {
    FuzzWorkspace() {
        ws.ticket.evaluationSwitch = true;
        ws.program.todayProvider = [] { return dayCountFromCivil({2026, 12, 9}); };
    }

    test::ScriptedInteraction ui;
    Workspace ws{"/dev/null/kavanto-fuzz", ui};
};

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A broken promise of a parser: a crash the fuzzer reports like any other.
inline void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace kav::fuzz
