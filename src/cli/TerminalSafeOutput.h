// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <streambuf>

namespace kav::cli {

// What the tool prints passes through this: a control character that a terminal would
// act on (ESC, BEL, NUL, ... and the C1 controls of UTF-8) comes out as a visible escape
// ("\x1b", "\u009b"), so a text from the draw-data service or from a file cannot move the
// cursor, ring the bell or retitle the terminal. Line feeds, tabs and the carriage return
// of the progress lines pass; JSON, whose strings escape their control characters
// themselves, passes unchanged.
class TerminalSafeOutput final : public std::streambuf {
public:
    explicit TerminalSafeOutput(std::streambuf* target) : target_(target) {}
    ~TerminalSafeOutput() override { sync(); }
    TerminalSafeOutput(const TerminalSafeOutput&) = delete;
    TerminalSafeOutput& operator=(const TerminalSafeOutput&) = delete;

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    void put(const char* text);
    std::streambuf* target_;
    bool leadPending_ = false; // a 0xC2 whose next byte decides whether it starts a C1 control
};

} // namespace kav::cli
