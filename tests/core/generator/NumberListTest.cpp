// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/NumberList.h"

#include "base/IoError.h"
#include "support/FailingFileLayer.h"
#include "support/TemporaryFolder.h"
#include "support/WorkspaceFixture.h"

#include <gtest/gtest.h>

namespace kav::test {
namespace {

using Entries = std::vector<int>;

NumberBoxes checkedWith(const std::vector<std::pair<int, std::string>>& weights) {
    NumberBoxes boxes;
    for (const auto& [k, w] : weights) {
        boxes[k].checked = true;
        boxes[k].weight = w;
    }
    return boxes;
}

std::string lines(const std::vector<std::string>& texts) {
    std::string text;
    for (const std::string& t : texts)
        text += t + "\r\n";
    return text;
}

TEST(NumberList, ThePoolShowsAsCheckedBoxesWithTheirCounts) {
    CandidatePool pool;
    pool.append(3, 4);
    pool.append(54);
    NumberBoxes boxes;
    boxes[3].colour = BoxColour::Yellow;
    boxes[20].checked = true;
    showPool(boxes, pool.weights());
    EXPECT_EQ(boxes.checkedNumbers(), (Entries{3, 54}));
    EXPECT_EQ(boxes[3].weight, "4");
    EXPECT_EQ(boxes[54].weight, "1");
    EXPECT_EQ(boxes[20].weight, "0");
    EXPECT_EQ(boxes[3].colour, BoxColour::Yellow); // colours are the caller's
}

TEST(NumberList, CalculatingBuildsThePoolFromTheCheckedBoxesInAscendingOrder) {
    NumberBoxes boxes =
        checkedWith({{9, "2"}, {2, "0"}, {5, "-3"}, {40, " 3"}, {17, "1"}, {54, "+1"}});
    boxes[17].checked = false; // unchecked numbers get nothing, whatever their weight
    boxes[30].weight = "junk"; // an unchecked box's weight is never read
    EXPECT_EQ(poolFromBoxes(boxes).entries(), (Entries{2, 9, 9, 40, 40, 40, 54}));
}

TEST(NumberList, AWeightThatMakesNoPoolNamesTheNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"x", "\"x\" der Zahl 7 ist keine ganze Zahl"},
        {"", "\"\" der Zahl 7 ist keine ganze Zahl"},
        {"3 ", "\"3 \" der Zahl 7"},
        {"99999999999", "der Zahl 7 ist keine ganze Zahl"},
        {"10001", "10001 der Zahl 7 ist größer als 10000"},
    };
    for (const auto& [weight, expected] : cases) {
        try {
            poolFromBoxes(checkedWith({{1, "1"}, {7, weight}}));
            ADD_FAILURE() << weight;
        } catch (const NumberListError& e) {
            EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(poolFromBoxes(checkedWith({{7, "10000"}})).size(), 10000u);
}

TEST(NumberList, SavingWritesOneLinePerNumberAndGivesEmptyWeightsOne) {
    NumberBoxes boxes;
    for (int k = 1; k <= 10; ++k) {
        boxes[k].checked = true;
        boxes[k].weight = std::to_string(k % 4);
    }
    boxes[4].weight = "";
    boxes[30].weight = "7"; // unchecked: an empty line
    const std::string text = numberListText(boxes, kListNumbers);
    EXPECT_EQ(text, lines({"1", "2", "3", "1", "1", "2", "3", "0", "1", "2"}) +
                        lines(std::vector<std::string>(44)));
    EXPECT_EQ(boxes[4].weight, "1");
}

TEST(NumberList, LoadingFollowsTheLinesAndMissingLinesUncheck) {
    const NumberBoxes before = checkedWith({{1, "9"}, {30, "2"}, {54, "4"}});
    struct Case {
        const char* name;
        std::string text;
        Entries checked;
    };
    std::vector<std::string> twenty(20, "1");
    twenty[2] = "";
    const Case cases[] = {
        {"twenty lines",
         lines(twenty),
         {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}},
        {"LF only, last line without end", "\n5\n-1", {2, 3}},
        {"empty file", "", {}},
        {"lines after the 54th are not read",
         lines(std::vector<std::string>(54)) + "x\r\n7\r\n",
         {}},
    };
    for (const Case& c : cases) {
        const NumberBoxes loaded = readNumberList(before, kListNumbers, c.text, "liste.hlw");
        EXPECT_EQ(loaded.checkedNumbers(), c.checked) << c.name;
        for (int k = 1; k <= kListNumbers; ++k) {
            if (!loaded[k].checked) {
                EXPECT_EQ(loaded[k].weight, "1") << c.name << " " << k;
            }
        }
    }
    const NumberBoxes loaded = readNumberList(before, kListNumbers, "\r\n 12\r\n-1\r\n", "l");
    EXPECT_EQ(loaded[2].weight, " 12"); // the line's text unchanged
    EXPECT_EQ(loaded[3].weight, "-1");
}

TEST(NumberList, ADamagedFileIsRefusedAsAWhole) {
    const std::pair<const char*, std::string> cases[] = {
        {"junk", lines({"1", "2", "abc"})},
        {"a tip file", lines({"3,7,15,22,40,5"})},
        {"overlong line", lines({"1", std::string(40, '1')})},
        {"trailing blank", lines({"1 "})},
        {"NUL byte", std::string("1\r\n\0\r\n", 5)},
        {"weight too large", lines({"10001"})},
        {"too large a file", std::string(70 * 1024, '\n')},
        {"binary blob", std::string(300, '\xff')},
    };
    for (const auto& [name, text] : cases) {
        try {
            readNumberList(NumberBoxes{}, kListNumbers, text, "/tmp/liste.hlw");
            ADD_FAILURE() << name;
        } catch (const NumberListError& e) {
            EXPECT_NE(std::string(e.what()).find("/tmp/liste.hlw"), std::string::npos) << name;
        }
    }
}

TEST(NumberList, FilesRoundTripAndAFailedSaveKeepsTheOldList) {
    TemporaryFolder folder;
    const auto path = folder.path() / proposedNumberListName(dayCountFromCivil({2024, 6, 1}));
    EXPECT_EQ(path.filename(), "20240601.hlw");
    NumberBoxes boxes = checkedWith({{1, "3"}, {13, ""}, {54, "-2"}});
    saveNumberList(boxes, kListNumbers, path);
    const NumberBoxes loaded = loadNumberList(NumberBoxes{}, kListNumbers, path);
    EXPECT_EQ(loaded.checkedNumbers(), (Entries{1, 13, 54}));
    EXPECT_EQ(loaded[13].weight, "1");
    EXPECT_EQ(loaded[54].weight, "-2");

    // The temporary file cannot be made: the save fails and the list stays as it was.
    const std::string saved = readBytes(path);
    NumberBoxes other = checkedWith({{2, "5"}});
    {
        FailingFileLayer layer(FailingFileLayer::Step::Open, 1, EACCES);
        const FileLayerOverride failing(layer);
        EXPECT_THROW(saveNumberList(other, kListNumbers, path), IoError);
    }
    EXPECT_EQ(readBytes(path), saved);

    EXPECT_THROW(loadNumberList(NumberBoxes{}, kListNumbers, folder.path() / "fehlt.hlw"), IoError);
}

} // namespace
} // namespace kav::test
