// SPDX-License-Identifier: GPL-3.0-or-later
// File names the program builds from dates are plain names of the folder it means: eight
// digits and an extension for every day a picker, a settings value or the clock can give,
// never a separator or a name that leads elsewhere.
#include "evaluation/TipFile.h"
#include "generator/NumberList.h"
#include "output/ClickScript.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

namespace kav {
namespace {

// Eight digits, a dot and one of the program's extensions: nothing else can be in it.
bool isPlainDateName(const std::string& name) {
    static const std::set<std::string> extensions = {"hlt", "vks", "hlw"};
    return name.size() == 12 && name[8] == '.' && extensions.count(name.substr(9)) == 1 &&
           std::all_of(name.begin(), name.begin() + 8,
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

TEST(FileNamesFromDates, AreEightDigitsAndTheirExtensionInTheMeantFolder) {
    // 01.01.0001 and 31.12.9999, the ends every date is clamped to, and days between.
    const DayCount days[] = {-693593 + 7, 0, kMinimumPickerDate, 45444, 2958465 - 7};
    const std::filesystem::path folder = "/home/anna/Kavanto";
    for (const DayCount day : days) {
        for (const std::string& name : {submissionTipFileName(day), clickScriptFileName(day),
                                        proposedTipFileName(day), proposedNumberListName(day)}) {
            SCOPED_TRACE(name);
            EXPECT_TRUE(isPlainDateName(name));
            EXPECT_EQ((folder / kSubmissionFolder / name).parent_path(),
                      folder / kSubmissionFolder);
        }
    }
}

} // namespace
} // namespace kav
