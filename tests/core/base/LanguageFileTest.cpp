// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/LanguageFile.h"

#include "base/IoError.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace kav::test {
namespace {

using Lines = std::vector<std::string>;

std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// The byte-order mark decides the encoding; without one the bytes are Windows-1252.
TEST(LanguageFile, TheByteOrderMarkSelectsTheEncoding) {
    const Lines expected{"Übersicht €", "Ελληνικά 😀", ""};
    EXPECT_EQ(decodeLanguageText("\xEF\xBB\xBF\xC3\x9C"
                                 "bersicht \xE2\x82\xAC\r\nΕλληνικά 😀\r\n\r\n"),
              expected);
    for (const bool bigEndian : {false, true})
        EXPECT_EQ(decodeLanguageText(utf16(u"Übersicht €\r\nΕλληνικά 😀\r\n\r\n", bigEndian)),
                  expected)
            << bigEndian;
    EXPECT_EQ(decodeLanguageText("\xDC"
                                 "bersicht \x80\r\nN\xBA Clave"),
              (Lines{"Übersicht €", "Nº Clave"}));
}

TEST(LanguageFile, LinesEndAtCrLfLfOrCrAndBrokenTextBecomesReplacementCharacters) {
    EXPECT_EQ(decodeLanguageText("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(decodeLanguageText("\xEF\xBB\xBF"
                                 "a\xFF"
                                 "b\n\xC3"),
              (Lines{"a\uFFFDb", "\uFFFD"}));
    // A lone surrogate and half a code unit at the end of a UTF-16 file.
    const std::string broken = utf16(u"x", false) + std::string("\x00\xD8", 2) + "y";
    EXPECT_EQ(decodeLanguageText(broken), (Lines{"x\uFFFD\uFFFD"}));
    EXPECT_EQ(decodeLanguageText(""), Lines{});
    EXPECT_EQ(decodeLanguageText("\xEF\xBB\xBF"), Lines{});
}

TEST(LanguageFile, AMissingFileReadsAsNothingAndOneThatIsNoFileIsAnError) {
    TemporaryFolder folder;
    EXPECT_FALSE(readLanguageFile(folder.path() / "Kavanto.txt"));
    EXPECT_THROW(readLanguageFile(folder.path()), IoError); // a folder is no file
    std::ofstream(folder.path() / "Kavanto.txt", std::ios::binary) << "\xEF\xBB\xBF"
                                                                      "Form1\r\n";
    EXPECT_EQ(readLanguageFile(folder.path() / "Kavanto.txt"), Lines{"Form1"});
}

TEST(LanguageFile, NamesAreComparedWithoutBlanksAndControlCharacters) {
    EXPECT_EQ(trimmedName(" \tForm1\x01 \x7F"), "Form1");
    EXPECT_EQ(trimmedName("Check Box1"), "Check Box1");
    EXPECT_EQ(trimmedName("   "), "");
    EXPECT_EQ(charsetNumber(" 204 "), 204);
    EXPECT_EQ(charsetNumber("1x"), std::nullopt);
    EXPECT_EQ(charsetNumber(""), std::nullopt);
}

TEST(LanguageFile, TheBaseFileHasFiveLinesAnEntry) {
    const std::vector<BaseFileEntry> entries{
        {"Form1", "Form1", "Velmors Quotenfuchs  für Kavanto", "", 1},
        {"Form1", "CheckBox9", "Tipp darf noch keinen              er ", "Hinweis", 204},
    };
    const std::string bytes = formatBaseFile(entries);
    EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(bytes.find("für Kavanto\r\n\r\n1\r\nForm1\r\n"), std::string::npos);
    EXPECT_EQ(decodeLanguageText(bytes),
              (Lines{"Form1", "Form1", "Velmors Quotenfuchs  für Kavanto", "", "1", "Form1",
                     "CheckBox9", "Tipp darf noch keinen              er ", "Hinweis", "204"}));
    EXPECT_THROW(formatBaseFile({{"Form1", "Label1", "two\nlines", "", 1}}), std::invalid_argument);
}

} // namespace
} // namespace kav::test
