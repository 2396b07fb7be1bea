#include "cli/scaled_design.h"

#include <gtest/gtest.h>

#include <limits>

namespace brontel {
namespace {

Design designWithFrames() {
    Design design = initialDesign();
    design.cornerDiameter = 41;
    for (ButtonState state : kButtonStates) {
        design.states[indexOf(state)].face.setFrameWidth(5 + static_cast<int>(indexOf(state)));
    }
    design.states[indexOf(ButtonState::Hot)].face.setFrameWidth(120);
    return design;
}

TEST(ScaledDesign, DoublesEverySizeAndNothingElse) {
    const Design design = designWithFrames();
    const Design doubled = scaledDesign(design, 2);
    EXPECT_EQ(doubled.width, 540);  // beyond the board's cell, on purpose
    EXPECT_EQ(doubled.height, 440);
    EXPECT_EQ(doubled.cornerDiameter, 82);
    Design expected = design;
    expected.width = 540;
    expected.height = 440;
    expected.cornerDiameter = 82;
    for (ButtonState state : kButtonStates) {
        FaceStyle& face = expected.states[indexOf(state)].face;
        face.setFrameWidth(2 * face.frameWidth());
    }
    EXPECT_EQ(doubled, expected);
    EXPECT_EQ(doubled.states[indexOf(ButtonState::Hot)].face.frameWidth(), 240);
    EXPECT_EQ(scaledDesign(design, 1), design);
}

// A frame or corner wide enough to cover the face stays so instead of wrapping around.
TEST(ScaledDesign, HugeSizesAreHeldAtTheIntegerRange) {
    constexpr int kLargest = std::numeric_limits<int>::max();
    Design design = initialDesign();
    design.cornerDiameter = kLargest - 1;
    design.states[0].face.setFrameWidth(kLargest / 2 + 1);
    const Design doubled = scaledDesign(design, 2);
    EXPECT_EQ(doubled.cornerDiameter, kLargest);
    EXPECT_EQ(doubled.states[0].face.frameWidth(), kLargest);
    design.cornerDiameter = std::numeric_limits<int>::min() + 1;
    EXPECT_EQ(scaledDesign(design, 2).cornerDiameter, std::numeric_limits<int>::min());
}

TEST(ScaledTheme, MultipliesOnlyThePixelRatio) {
    DesktopTheme theme;
    theme.face = 0x123456;
    DesktopTheme expected = theme;
    expected.pixelRatio = 2;
    EXPECT_EQ(scaledTheme(theme, 2), expected);
    EXPECT_EQ(scaledTheme(theme, 1), theme);
}

}  // namespace
}  // namespace brontel
