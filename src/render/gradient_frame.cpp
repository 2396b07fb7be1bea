#include "render/gradient_frame.h"

#include <algorithm>
#include <cstdint>

#include "render/gradient_fill.h"

namespace brontel {
namespace {

// Thicknesses of the side bands (d) and of the top and bottom bands (e).
struct BandSizes {
    int side;
    int topBottom;

    static BandSizes of(const QRect& client, int frameWidth) {
        return {std::min(frameWidth, client.width() / 2),
                std::min(frameWidth, client.height() / 2)};
    }
};

// How far a side band reaches into a corner on the row `depth` rows from the top or bottom
// edge: the pixels whose centres lie strictly on the side band's side of the diagonal from
// (0, 0) to (d, e), that is (2x + 1) * e < (2 * depth + 1) * d.
int cornerReach(int depth, BandSizes bands) {
    const std::int64_t side = bands.side, topBottom = bands.topBottom;
    if (depth >= topBottom) return bands.side;
    const std::int64_t oddLimit = ((2 * std::int64_t{depth} + 1) * side - 1) / topBottom;
    return static_cast<int>(std::min(side, (oddLimit + 1) / 2));
}

int sideReach(int y, const QRect& client, BandSizes bands) {
    const int fromTop = y - client.top();
    const int fromBottom = client.top() + client.height() - 1 - y;
    return cornerReach(std::min(fromTop, fromBottom), bands);
}

RowLimit leftMitre(const QRect& client, BandSizes bands) {
    return [client, bands](int y) {
        return RowSpan{client.left(), client.left() + sideReach(y, client, bands)};
    };
}

RowLimit rightMitre(const QRect& client, BandSizes bands) {
    const int right = client.left() + client.width();
    return [client, bands, right](int y) {
        return RowSpan{right - sideReach(y, client, bands), right};
    };
}

// A side band: its corner rows mitred row by row, the rows between them, as wide as the
// band, in one block. The gradient lies over the whole band either way.
bool fillSideBand(QImage& surface, const QRect& band, const QRect& updateBox, BandSizes bands,
                  const ColourList& colours, const RowLimit& mitre) {
    const int cornerRows = bands.topBottom;
    const QRect topCorner(band.left(), band.top(), band.width(), cornerRows);
    const QRect middle(band.left(), band.top() + cornerRows, band.width(),
                       band.height() - 2 * cornerRows);
    const QRect bottomCorner(band.left(), middle.top() + middle.height(), band.width(), cornerRows);
    return fillGradient(surface, band, updateBox & topCorner, gradient::LeftToRight, colours,
                        mitre) &&
           fillGradient(surface, band, updateBox & middle, gradient::LeftToRight, colours) &&
           fillGradient(surface, band, updateBox & bottomCorner, gradient::LeftToRight, colours,
                        mitre);
}

}  // namespace

QRect gradientFrameInner(const QRect& client, int frameWidth) {
    const BandSizes bands = BandSizes::of(client, frameWidth);
    return client.adjusted(bands.side, bands.topBottom, -bands.side, -bands.topBottom);
}

bool drawGradientFrame(QImage& surface, const QRect& client, const QRect& updateBox, int frameWidth,
                       const ColourList& colours) {
    if (!colours.makesGradient() || frameWidth <= 0) return false;
    const BandSizes bands = BandSizes::of(client, frameWidth);
    if (bands.side <= 0 || bands.topBottom <= 0) return false;
    const int left = client.left(), top = client.top();
    const int right = left + client.width(), bottom = top + client.height();
    const QRect topBand(left, top, client.width(), bands.topBottom);
    const QRect bottomBand(left, bottom - bands.topBottom, client.width(), bands.topBottom);
    const QRect leftBand(left, top, bands.side, client.height());
    const QRect rightBand(right - bands.side, top, bands.side, client.height());
    return fillGradient(surface, topBand, updateBox, gradient::TopToBottom, colours) &&
           fillGradient(surface, bottomBand, updateBox, gradient::TopToBottom, colours) &&
           fillSideBand(surface, leftBand, updateBox, bands, colours, leftMitre(client, bands)) &&
           fillSideBand(surface, rightBand, updateBox, bands, colours, rightMitre(client, bands));
}

}  // namespace brontel
