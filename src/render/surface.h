#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

#include "model/colour.h"

namespace brontel {

// Faces paint onto 32-bit surfaces whose pixels are 0xFFRRGGBB; the model's 0x00BBGGRR
// colours are converted only here, at the surface.
constexpr QRgb surfacePixel(Colour colour) {
    return 0xFF000000u | (static_cast<QRgb>(redOf(colour)) << 16) |
           (static_cast<QRgb>(greenOf(colour)) << 8) | static_cast<QRgb>(blueOf(colour));
}

constexpr Colour colourOfPixel(QRgb pixel) {
    return rgb(static_cast<int>((pixel >> 16) & 0xFFu), static_cast<int>((pixel >> 8) & 0xFFu),
               static_cast<int>(pixel & 0xFFu));
}

// True for the formats whose pixels are one opaque-writable 32-bit word: RGB32 and ARGB32
// in both alpha forms. Painting refuses every other surface.
bool isPaintableSurface(const QImage& surface);

// The first pixel of a surface row, for writing.
inline QRgb* surfaceRow(QImage& surface, int y) {
    return reinterpret_cast<QRgb*>(surface.scanLine(y));
}

// Fills the part of `rect` that lies on the surface with one colour.
void fillRect(QImage& surface, const QRect& rect, Colour colour);

}  // namespace brontel
