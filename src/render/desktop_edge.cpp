#include "render/desktop_edge.h"

#include <array>

#include "model/face_style.h"
#include "render/surface.h"

namespace brontel {
namespace {

EdgeRing sunkenOuter(const DesktopTheme& t) {
    return {t.shadow, t.highlight};
}
EdgeRing sunkenInner(const DesktopTheme& t) {
    return {t.darkShadow, t.light};
}
EdgeRing raisedOuter(const DesktopTheme& t) {
    return {t.light, t.darkShadow};
}
EdgeRing raisedMiddle(const DesktopTheme& t) {
    return {t.highlight, t.shadow};
}
EdgeRing raisedInner(const DesktopTheme& t) {
    return {t.face, t.face};
}

// The part of a ring's band inside the ring and the update box: a ring thinner than twice
// its thickness must not spill over its own edge.
QRect band(const QRect& ring, int left, int top, int width, int height, const QRect& updateBox) {
    if (width <= 0 || height <= 0) return {};  // Qt would turn a negative size around
    return QRect(left, top, width, height) & ring & updateBox;
}

// A ring `thickness` pixels wide: at a thickness of 2 it is the one-pixel ring with every
// pixel doubled, corner pixels included.
void drawRing(QImage& outer, const QRect& ring, EdgeRing colours, int thickness, const QRect& box) {
    const int t = thickness, left = ring.left(), top = ring.top();
    const int width = ring.width(), height = ring.height();
    fillRect(outer, band(ring, left, top, width - t, t, box), colours.topLeft);
    fillRect(outer, band(ring, left, top, t, height - t, box), colours.topLeft);
    fillRect(outer, band(ring, left, top + height - t, width, t, box), colours.bottomRight);
    fillRect(outer, band(ring, left + width - t, top, t, height, box), colours.bottomRight);
}

}  // namespace

int edgeWidth(int border) {
    static constexpr std::array<int, 7> kWidths{0, 2, 3, 1, 5, 1, 0};
    return border >= 0 && border < static_cast<int>(kWidths.size()) ? kWidths[border] : 0;
}

std::vector<EdgeRing> edgeRings(int border, const DesktopTheme& theme) {
    switch (border) {
        case border::Sunken:
            return {sunkenOuter(theme), sunkenInner(theme)};
        case border::Raised:
            return {raisedOuter(theme), raisedMiddle(theme), raisedInner(theme)};
        case border::ShallowSunken:
            return {sunkenOuter(theme)};
        case border::PictureFrame:
            return {raisedOuter(theme), raisedMiddle(theme), raisedInner(theme), sunkenOuter(theme),
                    sunkenInner(theme)};
        case border::SingleLine:
            return {{theme.windowFrame, theme.windowFrame}};
        default:
            return {};
    }
}

void drawDesktopEdge(QImage& outer, int border, const QRect& updateBox, const DesktopTheme& theme) {
    const int thickness = theme.pixelRatio;
    QRect ring = outer.rect();
    for (const EdgeRing& colours : edgeRings(border, theme)) {
        if (ring.isEmpty()) return;
        drawRing(outer, ring, colours, thickness, updateBox);
        ring.adjust(thickness, thickness, -thickness, -thickness);
    }
}

}  // namespace brontel
