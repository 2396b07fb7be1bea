#include "model/face_style.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/initial_styles.h"

namespace brontel {
namespace {

struct ClampCase {
    const char* field;
    std::function<void(FaceStyle&, int)> set;
    std::function<int(const FaceStyle&)> get;
    int low;
    int high;
};

TEST(FaceStyle, SettersHoldEveryIntegerToItsDomain) {
    const ClampCase cases[] = {
        {"textEffect", &FaceStyle::setTextEffect, &FaceStyle::textEffect, 0, 3},
        {"border", &FaceStyle::setBorder, &FaceStyle::border, 0, 6},
        {"pictureMode", &FaceStyle::setPictureMode, &FaceStyle::pictureMode, 0, 2},
        {"gradientMode", &FaceStyle::setGradientMode, &FaceStyle::gradientMode, 0, 8},
        {"hAlign", &FaceStyle::setHAlign, &FaceStyle::hAlign, 0, 2},
        {"vAlign", &FaceStyle::setVAlign, &FaceStyle::vAlign, 0, 2},
    };
    for (const auto& c : cases) {
        FaceStyle style;
        for (int v = c.low; v <= c.high; ++v) {
            c.set(style, v);
            EXPECT_EQ(c.get(style), v) << c.field;
        }
        c.set(style, c.low - 1);
        EXPECT_EQ(c.get(style), c.low) << c.field;
        c.set(style, INT32_MIN);
        EXPECT_EQ(c.get(style), c.low) << c.field;
        c.set(style, c.high + 1);
        EXPECT_EQ(c.get(style), c.high) << c.field;
        c.set(style, INT32_MAX);
        EXPECT_EQ(c.get(style), c.high) << c.field;
    }
}

TEST(FaceStyle, FrameWidthHasOnlyALowerBoundAndWordWrapNone) {
    FaceStyle style;
    style.setFrameWidth(3);
    EXPECT_EQ(style.frameWidth(), 5);
    style.setFrameWidth(-100);
    EXPECT_EQ(style.frameWidth(), 5);
    style.setFrameWidth(120);
    EXPECT_EQ(style.frameWidth(), 120);
    style.setWordWrap(7);
    EXPECT_EQ(style.wordWrap(), 7);
}

TEST(FaceStyle, EverySettingOfThePictureIsANewRevision) {
    FaceStyle a;
    FaceStyle b;
    a.setPicture({1, 2, 3});
    b.setPicture({1, 2, 3});
    EXPECT_NE(a.pictureRevision(), b.pictureRevision());
    const auto before = a.pictureRevision();
    a.setPicture(a.picture());
    EXPECT_NE(a.pictureRevision(), before);
}

TEST(InitialStyles, FacesDifferOnlyInCaptionAndBackColour) {
    const std::pair<const char*, Colour> looks[] = {
        {"正常按钮文字", 0xFFA8FF}, {"点燃按钮文字", 0xFFD2A2},
        {"按下按钮文字", 0x9BFF9B}, {"禁止按钮文字", 0x97FFFF}};
    for (ButtonState state : kButtonStates) {
        const FaceStyle style = initialFaceStyle(state);
        const auto& [caption, back] = looks[indexOf(state)];
        EXPECT_EQ(style.caption(), caption);
        EXPECT_EQ(style.backColour(), back);
        EXPECT_EQ(style.textEffect(), 0);
        EXPECT_EQ(style.border(), 0);
        EXPECT_EQ(style.frameWidth(), 5);
        EXPECT_EQ(style.frameColour1(), 0x808080u);
        EXPECT_EQ(style.frameColour2(), 0xFFFFFFu);
        EXPECT_EQ(style.frameColour3(), 0x808080u);
        EXPECT_FALSE(style.font().has_value());
        EXPECT_EQ(style.textColour(), 0u);
        EXPECT_TRUE(style.picture().empty());
        EXPECT_EQ(style.pictureMode(), 2);
        EXPECT_EQ(style.gradientMode(), 0);
        EXPECT_EQ(style.gradientColour1(), 0x808080u);
        EXPECT_EQ(style.gradientColour2(), 0xFFFFFFu);
        EXPECT_EQ(style.gradientColour3(), 0x808080u);
        EXPECT_EQ(style.hAlign(), 1);
        EXPECT_EQ(style.wordWrap(), 0);
        EXPECT_EQ(style.vAlign(), 1);
    }
}

TEST(InitialStyles, LabelsCanvasAndFrameFollowTheWindowTable) {
    const FaceStyle canvas = canvasStyle();
    EXPECT_EQ(canvas.caption(), "正常按钮文字");
    EXPECT_EQ(canvas.backColour(), 0x00FF00u);
    EXPECT_EQ(canvas.border(), 0);
    EXPECT_EQ(canvas.frameWidth(), 5);
    EXPECT_EQ(canvas.pictureMode(), 2);
    EXPECT_EQ(canvas.hAlign(), 1);

    const FaceStyle row = rowLabelStyle("按钮文字");
    EXPECT_EQ(row.border(), 5);
    EXPECT_EQ(row.frameWidth(), 8);
    EXPECT_EQ(row.pictureMode(), 1);
    EXPECT_EQ(row.hAlign(), 0);
    EXPECT_EQ(row.vAlign(), 1);
    EXPECT_EQ(plainLabelStyle("正常图片").border(), 0);
    EXPECT_EQ(selectionFrameStyle().border(), 5);
    EXPECT_TRUE(selectionFrameStyle().caption().empty());
}

}  // namespace
}  // namespace brontel
