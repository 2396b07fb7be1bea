#pragma once

#include "cli/design.h"
#include "render/desktop_theme.h"

namespace brontel {

// Drawing factors brontel-render accepts: ordinary screens and high-density ones.
inline constexpr int kSmallestScale = 1;
inline constexpr int kLargestScale = 2;

// The design at `factor` times its size, for high-density screens: width, height, corner
// diameter and every frame width grow by the factor (held at the int range), so gradients
// and frames are computed at the larger size, not enlarged afterwards. The board's size
// limits do not apply here: a 270 x 220 design becomes 540 x 440.
Design scaledDesign(const Design& design, int factor);

// The theme a scaled design is drawn with: what the desktop and the renderer fix by
// themselves (edge rings, caption font heights and effect offsets, picture pixels) grows
// through its pixel ratio.
DesktopTheme scaledTheme(const DesktopTheme& theme, int factor);

}  // namespace brontel
