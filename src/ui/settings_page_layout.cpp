#include "ui/settings_page_layout.h"

#include <array>

#include "ui/main_window_texts.h"

namespace brontel {
namespace {

namespace texts = main_window_texts;

constexpr const char* kCombo = "组合框";
constexpr const char* kPicker = "颜色选择器";
constexpr const char* kEditBox = "编辑框";
constexpr const char* kRadio = "单选框";

constexpr int kLabelLeft = 6;
constexpr int kLabelWidth = 179;
constexpr int kLabelHeight = 22;
constexpr int kAlignmentLabelHeight = 57;

constexpr QRect labelAt(int top) {
    return {kLabelLeft, top, kLabelWidth, kLabelHeight};
}

constexpr std::array<PageRowLayout, kPageRowCount> kRows{{
    {"背景渐变方式", kCombo, texts::kGradientModeLabel, labelAt(16), {96, 17, 88, 20}},
    {"渐变背景颜色1", kPicker, texts::kGradientColourLabels[0], labelAt(39), {136, 40, 48, 20}},
    {"渐变背景颜色2", kPicker, texts::kGradientColourLabels[1], labelAt(62), {136, 63, 48, 20}},
    {"渐变背景颜色3", kPicker, texts::kGradientColourLabels[2], labelAt(85), {136, 86, 48, 20}},
    {"按钮文字字体", kEditBox, texts::kFontLabel, labelAt(108), {96, 109, 88, 20}},
    {"按钮文字效果", kCombo, texts::kTextEffectLabel, labelAt(131), {136, 132, 48, 20}},
    {"按钮文字颜色", kPicker, texts::kTextColourLabel, labelAt(154), {136, 155, 48, 20}},
    {"是否自动换行", kCombo, texts::kWordWrapLabel, labelAt(177), {135, 178, 48, 20}},
    {"按钮文字", kEditBox, texts::kCaptionLabel, labelAt(200), {96, 201, 88, 20}},
    {"按钮效果", kCombo, texts::kBorderLabel, labelAt(223), {96, 224, 88, 20}},
    {"渐变边框颜色1", kPicker, texts::kFrameColourLabels[0], labelAt(246), {136, 247, 48, 20}},
    {"渐变边框颜色2", kPicker, texts::kFrameColourLabels[1], labelAt(269), {136, 270, 48, 20}},
    {"渐变边框颜色3", kPicker, texts::kFrameColourLabels[2], labelAt(292), {136, 293, 48, 20}},
    {"渐变边框宽度", kEditBox, texts::kFrameWidthLabel, labelAt(315), {136, 315, 30, 20}},
    {"底图方式", kCombo, texts::kPictureModeLabel, labelAt(338), {96, 339, 88, 20}},
    {"按钮底图", kEditBox, texts::kPictureLabel, labelAt(361), {96, 362, 88, 20}},
    {"按钮背景颜色", kPicker, texts::kBackColourLabel, labelAt(384), {136, 385, 48, 20}},
    {"按钮画布颜色", kPicker, texts::kCanvasColourLabel, labelAt(407), {136, 408, 48, 20}},
    {"文本对齐方式", kRadio, texts::kAlignmentLabel,
     QRect(kLabelLeft, 430, kLabelWidth, kAlignmentLabelHeight), QRect()},
}};

// The pages were laid out one by one, and a few controls ended up a pixel off.
void applyPageDeviations(ButtonState state, PageRow row, PageRowLayout& layout) {
    if (state == ButtonState::Hot && row == PageRow::GradientColour2) {
        layout.controlPlace = {136, 64, 48, 20};
    } else if (state == ButtonState::Hot && row == PageRow::GradientColour3) {
        layout.controlPlace = {135, 86, 49, 20};
    } else if (state == ButtonState::Normal && row == PageRow::FrameWidth) {
        layout.controlPlace = {136, 316, 30, 20};
    } else if (state == ButtonState::Normal && row == PageRow::BackColour) {
        layout.labelText = texts::kNormalBackColourLabel;
    }
}

QString stateWord(ButtonState state) {
    return texts::kStateWords[indexOf(state)];
}

QString nameOf(const QString& stateWord, const char* setting, const char* kind) {
    return QStringLiteral("按钮%1_%2_%3").arg(stateWord, setting, kind);
}

}  // namespace

PageRowLayout pageRowLayout(ButtonState state, PageRow row) {
    PageRowLayout layout = kRows[static_cast<std::size_t>(row)];
    applyPageDeviations(state, row, layout);
    return layout;
}

QString pageControlName(ButtonState state, PageRow row) {
    const PageRowLayout& layout = kRows[static_cast<std::size_t>(row)];
    return nameOf(stateWord(state), layout.setting, layout.kind);
}

QString pageRowLabelName(ButtonState state, PageRow row) {
    // The labels were copied from page to page, so their names tell the page they came from:
    // the canvas rows are numbered 1 to 4 under one name, and the Disabled page's labels
    // carry the Pressed page's name with a 1.
    if (row == PageRow::CanvasColour) {
        return QStringLiteral("按钮正常_按钮背景颜色_标签%1").arg(indexOf(state) + 1);
    }
    const char* setting = kRows[static_cast<std::size_t>(row)].setting;
    if (state == ButtonState::Disabled)
        return nameOf(stateWord(ButtonState::Pressed), setting, "标签1");
    return nameOf(stateWord(state), setting, "标签");
}

QString pageChooserName(ButtonState state, const char* setting) {
    return nameOf(stateWord(state), setting, "通用对话框");
}

QString alignmentRadioName(ButtonState state, int position) {
    const char* name = texts::kAlignmentPositions[static_cast<std::size_t>(position)].name;
    // The Disabled page's middle-right radio kept the name it was copied with.
    if (state == ButtonState::Disabled && QString(name) == QStringLiteral("中右")) {
        return nameOf(stateWord(ButtonState::Pressed), name, "单选框1");
    }
    return nameOf(stateWord(state), name, kRadio);
}

QRect alignmentRadioPlace(int position) {
    constexpr int kLeft = 133, kTop = 433, kStep = 16, kSide = 19;
    const auto& entry = texts::kAlignmentPositions[static_cast<std::size_t>(position)];
    return {kLeft + kStep * entry.hAlign, kTop + kStep * entry.vAlign, kSide, kSide};
}

}  // namespace brontel
