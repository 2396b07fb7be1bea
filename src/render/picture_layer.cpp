#include "render/picture_layer.h"

#include <algorithm>
#include <cstring>

#include "model/face_style.h"
#include "render/area_average.h"
#include "render/picture_blend.h"
#include "render/picture_placement.h"
#include "render/surface.h"

namespace brontel {
namespace {

// Copies the pixels of `source` placed with its top-left corner at `at` that fall in `clip`.
void copyPlaced(QImage& surface, const QImage& source, QPoint at, const QRect& clip) {
    const QRect target = QRect(at, source.size()) & clip;
    if (target.isEmpty()) return;
    const auto bytes = static_cast<std::size_t>(target.width()) * sizeof(QRgb);
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y - at.y()));
        QRgb* out = surfaceRow(surface, y);
        std::memcpy(out + target.left(), in + (target.left() - at.x()), bytes);
    }
}

// Fills `area` with the picture repeated from `origin`: the same pixels as drawing every
// tile that meets the area, without visiting the tiles that do not.
void fillTiled(QImage& surface, const QImage& tile, QPoint origin, const QRect& area) {
    const int w = tile.width(), h = tile.height();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(tile.constScanLine((y - origin.y()) % h));
        QRgb* out = surfaceRow(surface, y);
        for (int x = area.left(); x <= area.right();) {
            const int column = (x - origin.x()) % w;
            const int run = std::min(w - column, area.right() + 1 - x);
            std::memcpy(out + x, in + column, static_cast<std::size_t>(run) * sizeof(QRgb));
            x += run;
        }
    }
}

void drawCentred(QImage& surface, const QImage& picture, const QRect& interior, const QRect& clip,
                 QRegion& uncovered) {
    const QRect placed = centredPlacement(picture.size(), interior);
    if (placed.isEmpty()) return;
    uncovered -= placed;
    const QRect visible = placed & clip;
    if (visible.isEmpty()) return;
    if (placed.size() == picture.size()) {
        copyPlaced(surface, picture, placed.topLeft(), clip);
        return;
    }
    const QImage part = areaAverage(picture, placed.size(), visible.translated(-placed.topLeft()));
    copyPlaced(surface, part, visible.topLeft(), clip);
}

}  // namespace

void drawPictureLayer(QImage& surface, const DecodedPicture& picture, int pictureMode,
                      const QRect& interior, const QRect& clip, QRegion& uncovered,
                      Colour background) {
    const QRect area = clip & interior & surface.rect();
    if (area.isEmpty()) return;
    const QImage prepared = flattenOver(picture.image, background);
    if (prepared.isNull()) return;
    switch (static_cast<PictureMode>(std::clamp(pictureMode, 0, 2))) {
        case PictureMode::TopLeft:
            copyPlaced(surface, prepared, interior.topLeft(), area);
            uncovered -= QRect(interior.topLeft(), prepared.size());
            break;
        case PictureMode::Tiled:
            fillTiled(surface, prepared, interior.topLeft(), area);
            uncovered = QRegion();
            break;
        case PictureMode::Centred:
            drawCentred(surface, prepared, interior, area, uncovered);
            break;
    }
}

}  // namespace brontel
