#pragma once

#include "model/colour.h"
#include "model/font_spec.h"

class QPalette;

namespace brontel {

// The desktop's system colours and default font, as faces use them. The program reads
// them from the application palette; tests and the headless renderer use the defaults,
// so that their images never depend on the machine's theme.
struct DesktopTheme {
    Colour face = 0xF0F0F0;         // button face: the background of NoColour faces
    Colour highlight = 0xFFFFFF;    // outer light edge of sunken borders
    Colour light = 0xE3E3E3;        // outer light edge of raised borders
    Colour shadow = 0xA0A0A0;       // outer dark edge of sunken borders
    Colour darkShadow = 0x696969;   // inner dark edge of sunken borders
    Colour windowFrame = 0x646464;  // single-line border
    SystemFont uiFont = defaultUiFont();
    int dpi = kScreenDpi;
    // Device pixels per pixel of the design: 2 on a high-density screen. The design's own
    // sizes (face, frame, corners) are scaled in the design; what the desktop and the
    // renderer fix by themselves grows by this ratio: edge rings, caption font heights and
    // effect offsets, and picture pixels.
    int pixelRatio = 1;

    bool operator==(const DesktopTheme&) const = default;

    // The palette's 3-D colours in place of the defaults; font and dpi stay.
    static DesktopTheme fromPalette(const QPalette& palette);
};

// The colour a face's background shows: its own, or the desktop's button face for NoColour.
inline Colour effectiveBackColour(Colour backColour, const DesktopTheme& theme) {
    return backColour == NoColour ? theme.face : backColour;
}

}  // namespace brontel
