#include "render/gradient_colour.h"

#include <gtest/gtest.h>

namespace brontel {
namespace {

constexpr Colour kBlack = 0x000000, kWhite = 0xFFFFFF;

ColourList twoColours(Colour first, Colour last) {
    return ColourList::fromFields(first, NoColour, last);
}

struct ColourCase {
    const char* what;
    std::int64_t position;
    std::int64_t extent;
    ColourList colours;
    Colour expected;
};

TEST(GradientColourAt, FollowsTheSegmentRule) {
    const ColourList three = ColourList::fromFields(rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255));
    const ColourCase cases[] = {
        {"start of the list", 0, 4, twoColours(kBlack, kWhite), kBlack},
        {"last step short of the last colour", 3, 4, twoColours(kBlack, kWhite), 0xBFBFBF},
        {"falling channels round toward the first colour", 1, 4, twoColours(kWhite, kBlack),
         0xC0C0C0},
        {"position past the segments", 4, 4, twoColours(kBlack, kWhite), kWhite},
        {"far past the segments", 1000, 4, twoColours(kBlack, kWhite), kWhite},
        {"segment length 0 gives the first colour", 0, 1, three, rgb(255, 0, 0)},
        {"segment length 0 at any position", 7, 1, three, rgb(255, 0, 0)},
        {"second segment starts at its own colour", 30, 60, three, rgb(0, 255, 0)},
        {"halfway in the second segment", 45, 60, three, rgb(0, 128, 127)},
        {"last colour at (n - 1) x seg", 60, 61, three, rgb(0, 0, 255)},
        {"mixed channel directions", 1, 3, twoColours(rgb(255, 0, 10), rgb(0, 255, 10)),
         rgb(170, 85, 10)},
        // 7/10 x 90 is 63 exactly, but in binary64 it is just below 63: the product is
        // truncated, not the exact quotient.
        {"binary64 product, rising", 7, 10, twoColours(kBlack, rgb(90, 170, 180)),
         rgb(62, 118, 125)},
        {"binary64 product, falling", 7, 10, twoColours(rgb(90, 170, 180), kBlack),
         rgb(28, 52, 55)},
    };
    for (const ColourCase& c : cases) {
        EXPECT_EQ(gradientColourAt(c.position, c.extent, c.colours), c.expected) << c.what;
    }
}

TEST(GradientColourAt, ListsTooShortForAGradientGiveTheirOnlyColour) {
    EXPECT_EQ(gradientColourAt(3, 10, ColourList::fromFields(NoColour, 0x123456, NoColour)),
              0x123456u);
    EXPECT_EQ(gradientColourAt(3, 10, ColourList{}), NoColour);
}

TEST(ColourList, LeavesOutNoColourKeepingFieldOrder) {
    const ColourList list = ColourList::fromFields(NoColour, 0x0000FF, 0x00FF00);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], 0x0000FFu);
    EXPECT_EQ(list[1], 0x00FF00u);
    EXPECT_FALSE(ColourList::fromFields(NoColour, 0x0000FF, NoColour).makesGradient());
}

}  // namespace
}  // namespace brontel
