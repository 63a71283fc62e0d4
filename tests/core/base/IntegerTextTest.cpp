// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/IntegerText.h"

#include <gtest/gtest.h>

namespace kav {

TEST(IntegerText, ConvertsLikeTheCellsExpect) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"7", 7},
        {"07", 7},
        {"  12", 12},
        {"\t3", 3},
        {"+5", 5},
        {"-3", -3},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"12 ", std::nullopt},
        {"1a", std::nullopt},
        {"a1", std::nullopt},
        {"+-1", std::nullopt},
        {"- 1", std::nullopt},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"1.5", std::nullopt},
        {"++1", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseInteger(text), expected) << '"' << text << '"';
}

TEST(IntegerText, ATypedNumberThatDoesNotConvertIsAConversionError) {
    EXPECT_EQ(integerOrThrow(" 42"), 42);
    try {
        integerOrThrow("fünf");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'fünf' ist keine gültige ganze Zahl.");
    }
}

} // namespace kav
