// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Utf8.h"

#include <gtest/gtest.h>

namespace kav::test {
namespace {

TEST(Utf8, ValidTextStaysAsItIsAndEachMalformedByteBecomesOneReplacementCharacter) {
    const struct {
        std::string_view in;
        std::string_view out;
    } cases[] = {
        {"", ""},
        {"plain", "plain"},
        {"\xC3\x9C\xE2\x82\xAC\xF0\x9F\x8E\xB2", "\xC3\x9C\xE2\x82\xAC\xF0\x9F\x8E\xB2"},
        {"a\x80z", "a\uFFFDz"},                           // a lone continuation byte
        {"\xC0\xAF", "\uFFFD\uFFFD"},                     // an overlong slash
        {"\xED\xA0\x80x", "\uFFFD\uFFFD\uFFFDx"},         // a surrogate
        {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"}, // above U+10FFFF
        {"ok\xE2\x82", "ok\uFFFD\uFFFD"},                 // cut short at the end
        {"\xE2(\xC3\x9C", "\uFFFD(\xC3\x9C"},             // a missing continuation byte
        {"\xFF\xC3\x9C\xFE", "\uFFFD\xC3\x9C\uFFFD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(validUtf8(c.in), c.out) << c.in;
}

} // namespace
} // namespace kav::test
