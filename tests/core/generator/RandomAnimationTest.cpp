// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/RandomAnimation.h"

#include <gtest/gtest.h>

#include <set>

namespace kav {
namespace {

using Press = RandomAnimation::Press;

std::vector<int> yellowNumbers(const NumberBoxes& boxes) {
    std::vector<int> numbers;
    for (int k = 1; k <= kListNumbers; ++k)
        if (boxes[k].colour == BoxColour::Yellow)
            numbers.push_back(k);
    return numbers;
}

// The animation's own draw: the generator's value for the bound 54, plus 1, drawn again
// while the number is taken.
std::vector<int> expectedPicks(Random random, std::set<int> taken, int count) {
    std::vector<int> picks;
    while (static_cast<int>(picks.size()) < count) {
        const int n = static_cast<int>(random.next(54)) + 1;
        if (taken.insert(n).second)
            picks.push_back(n);
    }
    return picks;
}

TEST(RandomAnimation, SixPressesStartFixFourPositionsAndStop) {
    RandomAnimation animation;
    animation.setCounts(5, 54);
    NumberBoxes boxes;
    boxes[3].checked = true;
    boxes[3].colour = BoxColour::Yellow;
    Random random(2024);

    ASSERT_EQ(animation.press(boxes), Press::Started);
    EXPECT_TRUE(boxes.checkedNumbers().empty());
    EXPECT_TRUE(yellowNumbers(boxes).empty());
    EXPECT_EQ(animation.tick(boxes, random, "Stopp"), "1 Stopp");
    for (int position = 2; position <= 5; ++position) {
        ASSERT_EQ(animation.press(boxes), Press::Fixed);
        EXPECT_EQ(animation.position(), position);
        EXPECT_EQ(animation.tick(boxes, random, "Stopp"), std::to_string(position) + " Stopp");
        EXPECT_EQ(boxes.checkedNumbers().size(), 5u);
        EXPECT_EQ(yellowNumbers(boxes), boxes.checkedNumbers());
    }
    ASSERT_EQ(animation.press(boxes), Press::Stopped);
    EXPECT_FALSE(animation.running());
    EXPECT_EQ(animation.position(), 1);
    EXPECT_EQ(boxes.checkedNumbers().size(), 5u); // the boxes checked at the stop stay
}

TEST(RandomAnimation, ATickDrawsTheOpenPositionsWithTheSharedGenerator) {
    RandomAnimation animation;
    animation.setCounts(5, 54);
    NumberBoxes boxes;
    Random random(815);
    animation.press(boxes);
    const std::vector<int> first = expectedPicks(random, {}, 5);
    animation.tick(boxes, random, "Stopp");
    std::vector<int> sorted = first;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(boxes.checkedNumbers(), sorted);

    // Fix positions 1 and 2: the next tick keeps them and draws three numbers anew.
    animation.press(boxes);
    animation.press(boxes);
    const std::vector<int> redrawn = expectedPicks(random, {first[0], first[1]}, 3);
    animation.tick(boxes, random, "Stopp");
    std::vector<int> expected{first[0], first[1], redrawn[0], redrawn[1], redrawn[2]};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(boxes.checkedNumbers(), expected);
}

TEST(RandomAnimation, PositionsFixedBeforeAnyTickAreStillDrawn) {
    RandomAnimation animation;
    animation.setCounts(5, 54);
    NumberBoxes boxes;
    Random random(1);
    animation.press(boxes);
    for (int i = 0; i < 4; ++i)
        animation.press(boxes);
    EXPECT_EQ(animation.tick(boxes, random, "Stopp"), "5 Stopp");
    EXPECT_EQ(boxes.checkedNumbers().size(), 5u);

    // A small number count: every number ends up picked, none twice.
    animation.stop();
    animation.setCounts(5, 5);
    animation.press(boxes);
    animation.tick(boxes, random, "Stopp");
    EXPECT_EQ(boxes.checkedNumbers(), (std::vector<int>{1, 2, 3, 4, 5}));
}

} // namespace
} // namespace kav
