// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/MessageTable.h"

#include <gtest/gtest.h>

namespace kav {

TEST(MessageTable, GermanLinesKeepTheirNumbersAndBlanks) {
    const MessageTable table;
    EXPECT_EQ(table.size(), 65u);
    EXPECT_EQ(table.line(msg::ReadDrawsFirst), "Lesen Sie zuerst die Daten der Ziehungen ein");
    EXPECT_EQ(table.line(3), "Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem ");
    EXPECT_EQ(table.line(4), " aus dem Internet neu aufbauen??");
    EXPECT_EQ(table.line(12), "Ein Treffer am  ");
    EXPECT_EQ(table.line(64), "Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen");
    for (std::size_t unused : {0u, 1u, 31u, 47u, 48u, 49u})
        EXPECT_EQ(table.line(unused), "") << unused;
}

TEST(MessageTable, ReplacementIsWholeAndLookupsBeyondTheEndAreEmpty) {
    MessageTable table;
    table.replace(std::vector<std::string>(40, "x"));
    EXPECT_EQ(table.line(39), "x");
    for (std::size_t n = 40; n <= 64; ++n)
        EXPECT_EQ(table.line(n), "") << n;
    EXPECT_EQ(table.line(100000), "");
}

} // namespace kav
