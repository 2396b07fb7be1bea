#pragma once

#include <QImage>
#include <QRgb>

#include "model/colour.h"
#include "render/surface.h"

namespace brontel::test {

// A colour no test style or theme uses: a pixel still holding it was left untouched.
inline constexpr QRgb kUntouched = 0xFF123456u;

inline QImage untouchedSurface(int width, int height) {
    QImage surface(width, height, QImage::Format_RGB32);
    surface.fill(kUntouched);
    return surface;
}

inline bool isUntouched(const QImage& surface, int x, int y) {
    return reinterpret_cast<const QRgb*>(surface.constScanLine(y))[x] == kUntouched;
}

inline Colour colourAt(const QImage& surface, int x, int y) {
    return colourOfPixel(surface.pixel(x, y));
}

}  // namespace brontel::test
