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
    EXPECT_EQ(fromWindows1252("\xC4\xD6\xDC\xE4\xF6\xFC\xDF \x80 \x84\x93"), "ÄÖÜäöüß € „“");
}

TEST(Windows1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
}

TEST(Windows1252, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
    // Greek, Cyrillic, a CJK character, an emoji, and broken sequences: a lone continuation
    // byte, a cut-off sequence at the end, an overlong "/" and an encoded surrogate.
    EXPECT_EQ(toWindows1252("Ωx"), "?x");
    EXPECT_EQ(toWindows1252("Привет"), "??????");
    EXPECT_EQ(toWindows1252("中"), "?");
    EXPECT_EQ(toWindows1252("a😀b"), "a?b");
    EXPECT_EQ(toWindows1252("a\x80z"), "a?z");
    EXPECT_EQ(toWindows1252("a\xC3"), "a?");
    EXPECT_EQ(toWindows1252("\xC0\xAF"), "??");
    EXPECT_EQ(toWindows1252("\xED\xA0\x80"), "???");
}

} // namespace
} // namespace kav::test
