#pragma once

#include <string>

#include "model/button_state.h"
#include "model/colour.h"
#include "model/face_style.h"

namespace brontel {

inline constexpr int kMaxButtonWidth = 270;
inline constexpr int kMaxButtonHeight = 220;
inline constexpr Colour kInitialCanvasColour = 0x00FF00;
// Every canvas shows this caption where a rounded corner uncovers its middle.
inline constexpr const char* kCanvasCaption = "正常按钮文字";

// The style each face carries when the main window opens.
FaceStyle initialFaceStyle(ButtonState state);

// The fixed style of the canvas beneath a face; only its background colour ever changes.
FaceStyle canvasStyle(Colour canvasColour = kInitialCanvasColour);

// Labels of the settings rows (single-line border), plain labels, and the selection frame.
FaceStyle rowLabelStyle(std::string caption);
FaceStyle plainLabelStyle(std::string caption);
FaceStyle selectionFrameStyle();

}  // namespace brontel
