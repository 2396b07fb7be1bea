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

// The picture with every pixel drawn as a `ratio` x `ratio` block, cut to at most `shown`
// device pixels: only what can reach the interior is ever enlarged. The picture itself when
// the ratio is 1; a null image without memory.
QImage replicated(const QImage& picture, int ratio, QSize shown) {
    if (ratio == 1) return picture;
    const int width = std::min(picture.width() * ratio, shown.width());
    const int height = std::min(picture.height() * ratio, shown.height());
    QImage blocks(width, height, picture.format());
    if (blocks.isNull()) return {};
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(picture.constScanLine(y / ratio));
        QRgb* out = surfaceRow(blocks, y);
        for (int x = 0; x < width; ++x) out[x] = in[x / ratio];
    }
    return blocks;
}

// The interior's size rounded up to whole picture pixels: a tile cut to it still reaches
// the interior's far edges, so it is drawn only once along a side it is cut on.
QSize shownSize(QSize interior, int ratio) {
    return QSize((interior.width() + ratio - 1) / ratio * ratio,
                 (interior.height() + ratio - 1) / ratio * ratio);
}

// Placed at `ratio` times its natural size. A shrunk picture is averaged straight from its
// own pixels, which gives exactly what averaging its enlarged blocks would.
void drawCentred(QImage& surface, const QImage& picture, int ratio, const QRect& interior,
                 const QRect& clip, QRegion& uncovered) {
    const QSize natural = picture.size() * ratio;
    const QRect placed = centredPlacement(natural, interior);
    if (placed.isEmpty()) return;
    uncovered -= placed;
    const QRect visible = placed & clip;
    if (visible.isEmpty()) return;
    if (placed.size() == natural) {
        copyPlaced(surface, replicated(picture, ratio, natural), placed.topLeft(), clip);
        return;
    }
    const QImage part = areaAverage(picture, placed.size(), visible.translated(-placed.topLeft()));
    copyPlaced(surface, part, visible.topLeft(), clip);
}

}  // namespace

void drawPictureLayer(QImage& surface, const DecodedPicture& picture, int pictureMode,
                      const QRect& interior, const QRect& clip, QRegion& uncovered,
                      Colour background, int pixelRatio) {
    const QRect area = clip & interior & surface.rect();
    if (area.isEmpty()) return;
    const QImage prepared = flattenOver(picture.image, background);
    if (prepared.isNull()) return;
    const auto mode = static_cast<PictureMode>(std::clamp(pictureMode, 0, 2));
    if (mode == PictureMode::Centred) {
        drawCentred(surface, prepared, pixelRatio, interior, area, uncovered);
        return;
    }
    const QImage blocks = replicated(prepared, pixelRatio, shownSize(interior.size(), pixelRatio));
    if (blocks.isNull()) return;
    if (mode == PictureMode::Tiled) {
        fillTiled(surface, blocks, interior.topLeft(), area);
        uncovered = QRegion();
        return;
    }
    copyPlaced(surface, blocks, interior.topLeft(), area);
    uncovered -= QRect(interior.topLeft(), prepared.size() * pixelRatio);
}

}  // namespace brontel
