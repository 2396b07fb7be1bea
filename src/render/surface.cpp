#include "render/surface.h"

#include <algorithm>

namespace brontel {

bool isPaintableSurface(const QImage& surface) {
    switch (surface.format()) {
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
        case QImage::Format_ARGB32_Premultiplied:
            return true;
        default:
            return false;
    }
}

void fillRect(QImage& surface, const QRect& rect, Colour colour) {
    const QRect area = rect & surface.rect();
    if (area.isEmpty() || !isPaintableSurface(surface)) return;
    const QRgb pixel = surfacePixel(colour);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::fill_n(surfaceRow(surface, y) + area.left(), area.width(), pixel);
    }
}

}  // namespace brontel
