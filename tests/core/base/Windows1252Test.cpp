// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Windows1252.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

TEST(Windows1252, GermanTextAndTheEuroSignTakeOneByteEach) {
    EXPECT_EQ(toWindows1252("Velmors Lotto-Tipp für 5 €"), "Velmors Lotto-Tipp f\xFCr 5 \x80");
    EXPECT_EQ(fromWindows1252("\xC4\xD6\xDC\xE4\xF6\xFC\xDF \x80 \x84\x93"), "ÄÖÜäöüß € „“");
}

TEST(Windows1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
}

TEST(Windows1252, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(toWindows1252("Привет"), "??????");
    EXPECT_EQ(toWindows1252("a😀b"), "a?b");
    // Broken UTF-8: a lone continuation byte, a cut sequence, an overlong encoding.
    EXPECT_EQ(toWindows1252("x\x80y"), "x?y");
    EXPECT_EQ(toWindows1252("x\xC3"), "x?");
    EXPECT_EQ(toWindows1252("\xC0\xAF"), "??");
}

} // namespace
} // namespace kav
