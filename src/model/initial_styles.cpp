#include "model/initial_styles.h"

namespace brontel {
namespace {

struct InitialLook {
    const char* caption;
    Colour backColour;
};

constexpr PerState<InitialLook> kInitialLooks{{
    {"正常按钮文字", 0xFFA8FF},
    {"点燃按钮文字", 0xFFD2A2},
    {"按下按钮文字", 0x9BFF9B},
    {"禁止按钮文字", 0x97FFFF},
}};

// Labels and the selection frame share one look: white, left-aligned, tiled pictures.
FaceStyle labelStyle(std::string caption, int border) {
    FaceStyle style;
    style.setCaption(std::move(caption));
    style.setBorder(border);
    style.setFrameWidth(8);
    style.setBackColour(0xFFFFFF);
    style.setPictureMode(static_cast<int>(PictureMode::Tiled));
    style.setHAlign(0);
    return style;
}

}  // namespace

FaceStyle initialFaceStyle(ButtonState state) {
    const InitialLook& look = kInitialLooks[indexOf(state)];
    FaceStyle style;
    style.setCaption(look.caption);
    style.setBackColour(look.backColour);
    return style;
}

FaceStyle canvasStyle(Colour canvasColour) {
    FaceStyle style;
    style.setCaption(kCanvasCaption);
    style.setBackColour(canvasColour);
    return style;
}

FaceStyle rowLabelStyle(std::string caption) {
    return labelStyle(std::move(caption), border::SingleLine);
}

FaceStyle plainLabelStyle(std::string caption) {
    return labelStyle(std::move(caption), border::None);
}

FaceStyle selectionFrameStyle() { return labelStyle({}, border::SingleLine); }

}  // namespace brontel
