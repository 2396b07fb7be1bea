#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>
#include <utility>
#include <vector>

#include "render/desktop_theme.h"
#include "settings_handlers_fixture.h"

namespace brontel::test {
namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kYellow = 0x00FFFF;

using StatePageHandlersTest = SettingsHandlersTest;

struct GradientEnabling {
    ButtonState state;
    const char* mode;
    bool pickersEnabled;
    bool backColourEnabled;
};

TEST_F(StatePageHandlersTest, GradientModeSwitchesThePickersAndOnlyTheNormalBackColour) {
    const GradientEnabling cases[]{
        {ButtonState::Normal, "从上到下", true, false},
        {ButtonState::Normal, "无", false, true},
        {ButtonState::Hot, "从右下到左上", true, true},
        {ButtonState::Disabled, "从左到右", true, true},
        {ButtonState::Disabled, "无", false, true},
    };
    for (const GradientEnabling& c : cases) {
        SCOPED_TRACE(c.mode);
        choose(combo(c.state, "背景渐变方式"), c.mode);
        for (const char* name : {"渐变背景颜色1", "渐变背景颜色2", "渐变背景颜色3"})
            EXPECT_EQ(picker(c.state, name).isEnabled(), c.pickersEnabled) << name;
        EXPECT_EQ(picker(c.state, "按钮背景颜色").isEnabled(), c.backColourEnabled);
        EXPECT_EQ(face(c.state).style().gradientMode(),
                  combo(c.state, "背景渐变方式").currentValue());
    }
}

struct GradientDrawing {
    ButtonState state;
    Colour top;
    Colour bottom;
};

// The Normal page's pickers set the gradient colours the other way round, so the same
// choices draw the gradient upside down there.
TEST_F(StatePageHandlersTest, NormalPageDrawsTheGradientReversed) {
    const GradientDrawing cases[]{{ButtonState::Normal, kBlue, kRed},
                                  {ButtonState::Hot, kRed, kBlue},
                                  {ButtonState::Pressed, kRed, kBlue}};
    for (const GradientDrawing& c : cases) {
        SCOPED_TRACE(indexOf(c.state));
        picker(c.state, "渐变背景颜色1").pickColour(kRed);
        picker(c.state, "渐变背景颜色3").pickColour(kBlue);
        choose(combo(c.state, "背景渐变方式"), "从上到下");
        const QImage image = face(c.state).grabFace();
        EXPECT_PRED2(isNear, pixelAt(image, 3, 0), c.top);
        EXPECT_PRED2(isNear, pixelAt(image, 3, image.height() - 1), c.bottom);
    }
}

struct PickedColours {
    ButtonState state;
    Colour gradientColour1;
    Colour gradientColour3;
};

TEST_F(StatePageHandlersTest, BackColourOverwritesGradientColoursOneAndThreeAndTheirPickers) {
    const PickedColours cases[]{{ButtonState::Normal, kBlue, kRed},
                                {ButtonState::Hot, kRed, kBlue}};
    for (const PickedColours& c : cases) {
        SCOPED_TRACE(indexOf(c.state));
        picker(c.state, "渐变背景颜色1").pickColour(kRed);
        picker(c.state, "渐变背景颜色2").pickColour(kGreen);
        picker(c.state, "渐变背景颜色3").pickColour(kBlue);
        const FaceStyle& style = face(c.state).style();
        EXPECT_EQ(style.gradientColour1(), c.gradientColour1);
        EXPECT_EQ(style.gradientColour3(), c.gradientColour3);

        picker(c.state, "按钮背景颜色").pickColour(kYellow);
        EXPECT_EQ(style.backColour(), kYellow);
        EXPECT_EQ(style.gradientColour1(), kYellow);
        EXPECT_EQ(style.gradientColour2(), kGreen);
        EXPECT_EQ(style.gradientColour3(), kYellow);
        EXPECT_EQ(picker(c.state, "渐变背景颜色1").colour(), kYellow);
        EXPECT_EQ(picker(c.state, "渐变背景颜色2").colour(), kGreen);
        EXPECT_EQ(picker(c.state, "渐变背景颜色3").colour(), kYellow);
    }
}

// Only gradient colour 2 is left in the gradient's list, so the face is flat button face.
TEST_F(StatePageHandlersTest, TransparentBackColourLeavesNoGradientAndBlackPickers) {
    const ButtonState hot = ButtonState::Hot;
    picker(hot, "渐变背景颜色1").pickColour(kRed);
    picker(hot, "渐变背景颜色3").pickColour(kBlue);
    choose(combo(hot, "背景渐变方式"), "从上到下");
    picker(hot, "按钮背景颜色").pickColour(NoColour);

    const FaceStyle& style = face(hot).style();
    EXPECT_EQ(style.backColour(), NoColour);
    EXPECT_EQ(style.gradientColour1(), NoColour);
    EXPECT_EQ(style.gradientColour3(), NoColour);
    EXPECT_EQ(picker(hot, "渐变背景颜色1").colour(), 0x000000u);
    EXPECT_EQ(picker(hot, "渐变背景颜色3").colour(), 0x000000u);
    const QImage image = face(hot).grabFace();
    const Colour buttonFace = DesktopTheme::fromPalette(face(hot).palette()).face;
    EXPECT_EQ(pixelAt(image, 3, 0), buttonFace);
    EXPECT_EQ(pixelAt(image, 3, image.height() - 1), buttonFace);
}

TEST_F(StatePageHandlersTest, OnlyTheGradientFrameSwitchesOnTheFrameControls) {
    const ButtonState pressed = ButtonState::Pressed;
    const auto frameControls = [&]() -> std::vector<QWidget*> {
        return {&field(pressed, "渐变边框宽度"), &picker(pressed, "渐变边框颜色1"),
                &picker(pressed, "渐变边框颜色2"), &picker(pressed, "渐变边框颜色3")};
    };
    const std::pair<const char*, bool> cases[]{
        {"渐变镜框式", true}, {"镜框式", false}, {"渐变镜框式", true}, {"无边框", false}};
    for (const auto& [border, enabled] : cases) {
        SCOPED_TRACE(border);
        choose(combo(pressed, "按钮效果"), border);
        for (QWidget* control : frameControls()) EXPECT_EQ(control->isEnabled(), enabled);
        EXPECT_EQ(face(pressed).style().border(), combo(pressed, "按钮效果").currentValue());
    }
}

TEST_F(StatePageHandlersTest, FramePickersSetTheFrameColoursInReverseOnEveryPage) {
    for (ButtonState state : {ButtonState::Normal, ButtonState::Disabled}) {
        SCOPED_TRACE(indexOf(state));
        picker(state, "渐变边框颜色1").pickColour(kRed);
        picker(state, "渐变边框颜色2").pickColour(kGreen);
        picker(state, "渐变边框颜色3").pickColour(NoColour);
        const FaceStyle& style = face(state).style();
        EXPECT_EQ(style.frameColour3(), kRed);
        EXPECT_EQ(style.frameColour2(), kGreen);
        EXPECT_EQ(style.frameColour1(), NoColour);
    }
}

// The style holds a width below 5 as 5, the width the face draws.
TEST_F(StatePageHandlersTest, FrameWidthFollowsEveryKeystroke) {
    const ButtonState hot = ButtonState::Hot;
    choose(combo(hot, "按钮效果"), "渐变镜框式");
    EditBox& width = field(hot, "渐变边框宽度");
    std::vector<int> seen;
    QObject::connect(&width, &EditBox::contentChanged,
                     [&] { seen.push_back(face(hot).style().frameWidth()); });
    width.selectAll();
    QTest::keyClick(&width, Qt::Key_Backspace);
    QTest::keyClicks(&width, "12");
    EXPECT_EQ(seen, (std::vector<int>{5, 5, 12}));
    QTest::keyClick(&width, Qt::Key_Backspace);
    EXPECT_EQ(face(hot).style().frameWidth(), 5);  // "1"
}

TEST_F(StatePageHandlersTest, FrameWidthReadsAnyTextAsATruncatedNumber) {
    const std::pair<const char*, int> cases[]{{"7.9", 7},
                                              {"１２", 12},
                                              {"1e1", 10},
                                              {" 8px", 8},
                                              {"abc", 5},
                                              {"-30", 5},
                                              {"99999999999", 2147483647}};
    EditBox& width = field(ButtonState::Normal, "渐变边框宽度");
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        width.setContent(QString::fromUtf8(text));
        EXPECT_EQ(face(ButtonState::Normal).style().frameWidth(), expected);
    }
}

TEST_F(StatePageHandlersTest, WordWrapItemsCarryTheInvertedFlag) {
    const ButtonState disabled = ButtonState::Disabled;
    choose(combo(disabled, "是否自动换行"), "真");
    EXPECT_EQ(face(disabled).style().wordWrap(), 1);
    choose(combo(disabled, "是否自动换行"), "假");
    EXPECT_EQ(face(disabled).style().wordWrap(), 0);
}

TEST_F(StatePageHandlersTest, TextEffectAndColourGoToTheirStateOnly) {
    choose(combo(ButtonState::Pressed, "按钮文字效果"), "阴影");
    picker(ButtonState::Pressed, "按钮文字颜色").pickColour(kBlue);
    EXPECT_EQ(face(ButtonState::Pressed).style().textEffect(), 3);
    EXPECT_EQ(face(ButtonState::Pressed).style().textColour(), kBlue);
    EXPECT_EQ(face(ButtonState::Hot).style().textEffect(), 0);
    EXPECT_EQ(face(ButtonState::Hot).style().textColour(), 0x000000u);
}

TEST_F(StatePageHandlersTest, CanvasColourPaintsOnlyItsStatesCanvas) {
    picker(ButtonState::Hot, "按钮画布颜色").pickColour(NoColour);
    EXPECT_EQ(canvas(ButtonState::Hot).style().backColour(), NoColour);
    EXPECT_EQ(canvas(ButtonState::Normal).style().backColour(), 0x00FF00u);
    EXPECT_EQ(face(ButtonState::Hot).style().backColour(), 0xFFD2A2u);
}

struct AlignmentCase {
    const char* radio;
    int hAlign;
    int vAlign;
};

TEST_F(StatePageHandlersTest, EachAlignmentRadioSetsItsPair) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    showPage(ButtonState::Disabled);
    const AlignmentCase cases[]{{"按钮禁止_左上_单选框", 0, 0},  {"按钮禁止_上中_单选框", 1, 0},
                                {"按钮禁止_右上_单选框", 2, 0},  {"按钮禁止_中左_单选框", 0, 1},
                                {"按钮按下_中右_单选框1", 2, 1}, {"按钮禁止_左下_单选框", 0, 2},
                                {"按钮禁止_下中_单选框", 1, 2},  {"按钮禁止_右下_单选框", 2, 2},
                                {"按钮禁止_中_单选框", 1, 1}};
    for (const AlignmentCase& c : cases) {
        SCOPED_TRACE(c.radio);
        QTest::mouseClick(&control<QRadioButton>(QString::fromUtf8(c.radio)), Qt::LeftButton);
        EXPECT_EQ(face(ButtonState::Disabled).style().hAlign(), c.hAlign);
        EXPECT_EQ(face(ButtonState::Disabled).style().vAlign(), c.vAlign);
    }
}

}  // namespace
}  // namespace brontel::test
