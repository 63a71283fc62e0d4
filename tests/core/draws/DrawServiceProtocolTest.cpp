// SPDX-License-Identifier: GPL-3.0-or-later
// The two sides of the draw-data service's protocol: the date steps, the request, the
// service's address and the draw lines of an answer.
#include "draws/DrawServiceProtocol.h"

#include "base/TextLines.h"
#include "base/Windows1252.h"
#include "support/WorkspaceFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace kav::test {
namespace {

DayCount dayOf(int y, int m, int d) {
    return dayCountFromCivil({y, m, d});
}

TEST(DrawServiceProtocol, DateStepsGoFromSaturdayToSundayAndOtherwiseToTheNextSaturday) {
    EXPECT_EQ(nextRequestDate(dayOf(2005, 2, 6)), dayOf(2005, 2, 12));  // Sunday -> Saturday
    EXPECT_EQ(nextRequestDate(dayOf(2005, 2, 12)), dayOf(2005, 2, 13)); // Saturday -> Sunday
    EXPECT_EQ(nextRequestDate(dayOf(2010, 1, 6)), dayOf(2010, 1, 9));   // Wednesday
    EXPECT_EQ(nextRequestDate(dayOf(2026, 1, 16)), dayOf(2026, 1, 17)); // Friday
    EXPECT_EQ(nextRequestDate(dayOf(2026, 1, 12)), dayOf(2026, 1, 17)); // Monday
    EXPECT_EQ(nextRequestDate(dayOf(2010, 1, 30)), dayOf(2010, 1, 31)); // Saturday
    EXPECT_EQ(nextRequestDate(dayOf(2012, 2, 26)), dayOf(2012, 3, 3));  // across 29 February
    EXPECT_EQ(nextRequestDate(dayOf(2012, 2, 28)), dayOf(2012, 3, 3));  // Tuesday, leap year
}

// A walk from any day asks for every Saturday and Sunday after it, none skipped.
TEST(DrawServiceProtocol, AWalkFromAnyDayMeetsEveryWeekendDay) {
    for (int start = 0; start < 7; ++start) {
        DayCount date = dayOf(2026, 1, 12) + start;
        std::vector<DayCount> weekendDays;
        for (int i = 0; i < 8; ++i)
            weekendDays.push_back(date = nextRequestDate(date));
        for (std::size_t i = 0; i < weekendDays.size(); ++i) {
            const int wd = weekdayOf(weekendDays[i]);
            EXPECT_TRUE(wd == 0 || wd == 6) << start;
            if (i > 0) {
                EXPECT_EQ(weekendDays[i] - weekendDays[i - 1], wd == 0 ? 1 : 6) << start;
            }
        }
        EXPECT_LE(weekendDays[0] - (dayOf(2026, 1, 12) + start), 6) << start;
    }
}

TEST(DrawServiceProtocol, RequestTargetAndItsDate) {
    EXPECT_EQ(drawServiceTarget(dayOf(2005, 2, 12)),
              "/zahlen/kavanto.asp?Programm=Kavanto&Datum=20050212");
    EXPECT_EQ(parseCompactDate("20050212"), dayOf(2005, 2, 12));
    for (const char* bad : {"", "2005021", "200502120", "20050230", "2005-2-1", "2005021x"})
        EXPECT_FALSE(parseCompactDate(bad)) << bad;
}

TEST(DrawServiceProtocol, ServiceAddresses) {
    const std::pair<const char*, const char*> good[] = {
        {"http://127.0.0.1:8754", "http://127.0.0.1:8754"},
        {" HTTP://Draws.example/ ", "http://Draws.example"},
        {"https://draws.example:443", "https://draws.example:443"},
        {"http://[::1]:9000/", "http://[::1]:9000"},
    };
    for (const auto& [text, normalised] : good)
        EXPECT_EQ(normaliseServiceAddress(text), std::optional<std::string>(normalised)) << text;
    for (const char* bad : {"", "127.0.0.1:8754", "ftp://host", "http://",
                            "http://host:", "http://host:0", "http://host:65536",
                            "http://host:80/path", "http://ho st", "http://host:8x", "http://[::1"})
        EXPECT_FALSE(normaliseServiceAddress(bad)) << bad;
}

TEST(DrawServiceProtocol, DrawLines) {
    struct Case {
        const char* line;
        std::optional<std::array<int, 6>> draw; // five numbers, then the key
    };
    const Case cases[] = {
        {"06.02.2005,34,42,47,48,51,5;", std::array{34, 42, 47, 48, 51, 5}},
        {" x , 3 ,\t7, 15,22 ,40, 0 ;anything, even;more", std::array{3, 7, 15, 22, 40, 0}},
        {",+1,2,3,4,54,9;", std::array{1, 2, 3, 4, 54, 9}},
        {"", std::nullopt},
        {"Mitteilung", std::nullopt},
        {"x,1,2,3,4,5,6", std::nullopt},  // no ";" after the key
        {"x,1,2,3,4,5;", std::nullopt},   // only four numbers before the key
        {"x,1,2,3,4,z,6;", std::nullopt}, // not a whole number
        {"x,1,2,3,4,5,;", std::nullopt},  // an empty key
        {"x,1,2,3,4,5.0,6;", std::nullopt},
        // Out of range or repeated: treated like an unparsable line.
        {"x,0,2,3,4,5,6;", std::nullopt},
        {"x,1,2,3,4,55,6;", std::nullopt},
        {"x,1,2,3,4,300,6;", std::nullopt},
        {"x,1,2,3,4,5,10;", std::nullopt},
        {"x,1,2,3,4,5,-1;", std::nullopt},
        {"x,1,2,3,4,5,262;", std::nullopt}, // would wrap to 6 in a byte
        {"x,7,2,3,7,5,6;", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto parsed = parseDrawLine(c.line);
        ASSERT_EQ(parsed.has_value(), c.draw.has_value()) << c.line;
        if (!parsed)
            continue;
        const auto& d = *c.draw;
        EXPECT_EQ(parsed->numbers, (std::array{d[0], d[1], d[2], d[3], d[4]})) << c.line;
        EXPECT_EQ(parsed->key, d[5]) << c.line;
    }
}

TEST(DrawServiceProtocol, TheServicesLineIsTheUpdatesLine) {
    const DrawRecord record = DrawRecord::make(38395.0, {5, 17, 23, 40, 51}, 3);
    const std::string line = drawLineText("DEMO 12.02.2005", record, "Demo");
    EXPECT_EQ(line, "DEMO 12.02.2005,5,17,23,40,51,3;Demo");
    const auto parsed = parseDrawLine(line);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->numbers, (std::array{5, 17, 23, 40, 51}));
}

TEST(TextLines, SplitAtEveryLineBreakButNotAfterTheLast) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(textLines(""), Lines{});
    EXPECT_EQ(textLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(textLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(textLines("\r\n"), Lines{""});
    EXPECT_EQ(textLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
}

TEST(Windows1252, BothWays) {
    EXPECT_EQ(fromWindows1252("Gr\xFC\xDF"
                              "e \x80 \x93x\x94"),
              "Grüße € “x”");
    EXPECT_EQ(toWindows1252("Grüße € “x”"), "Gr\xFC\xDF"
                                            "e \x80 \x93x\x94");
    EXPECT_EQ(toWindows1252("✓ \xC3"), "? ?"); // not in the code page; cut off
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(toWindows1252(fromWindows1252(byte)), byte) << b;
    }
}

} // namespace
} // namespace kav::test
