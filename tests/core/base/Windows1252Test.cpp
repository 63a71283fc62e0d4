// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Windows1252.h"

#include <gtest/gtest.h>

namespace kav::test {
namespace {

TEST(Windows1252, GermanTextsBecomeOneBytePerCharacter) {
    EXPECT_EQ(toWindows1252("Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen"),
              "Wie oft gab es bei der n\xE4"
              "chsten Ziehung \xE4"
              "hnliche Zahlen");
    EXPECT_EQ(toWindows1252("Glückszahl Übereinstellung ß Nº €"), "Gl\xFC"
                                                                  "ckszahl \xDC"
                                                                  "bereinstellung \xDF N\xBA \x80");
    EXPECT_EQ(toWindows1252("a\tb\r\n"), "a\tb\r\n");
}

TEST(Windows1252, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
    // Greek, a CJK character, an emoji, and broken sequences: a lone continuation byte, a
    // cut-off sequence at the end, an overlong "/" and an encoded surrogate.
    EXPECT_EQ(toWindows1252("Ωx"), "?x");
    EXPECT_EQ(toWindows1252("中"), "?");
    EXPECT_EQ(toWindows1252("😀"), "?");
    EXPECT_EQ(toWindows1252("a\x80z"), "a?z");
    EXPECT_EQ(toWindows1252("a\xC3"), "a?");
    EXPECT_EQ(toWindows1252("\xC0\xAF"), "??");
    EXPECT_EQ(toWindows1252("\xED\xA0\x80"), "???");
}

} // namespace
} // namespace kav::test
