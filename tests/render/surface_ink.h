#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>
#include <functional>

namespace brontel::test {

// Where text lies on a surface, told by colour rather than by exact glyph pixels, so the
// checks hold for any Song face the machine has.
inline QRect boundsWhere(const QImage& image, const std::function<bool(QRgb)>& isInk) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y))) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Everything that is not the background colour.
inline QRect inkBounds(const QImage& image, QRgb background) {
    return boundsWhere(image, [background](QRgb p) { return p != background; });
}

// Exactly one colour.
inline QRect colourBounds(const QImage& image, QRgb colour) {
    return boundsWhere(image, [colour](QRgb p) { return p == colour; });
}

}  // namespace brontel::test
