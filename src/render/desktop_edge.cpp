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

void drawRing(QImage& outer, const QRect& ring, EdgeRing colours, const QRect& updateBox) {
    const int right = ring.left() + ring.width(), bottom = ring.top() + ring.height();
    fillRect(outer, QRect(ring.left(), ring.top(), ring.width() - 1, 1) & updateBox,
             colours.topLeft);
    fillRect(outer, QRect(ring.left(), ring.top(), 1, ring.height() - 1) & updateBox,
             colours.topLeft);
    fillRect(outer, QRect(ring.left(), bottom - 1, ring.width(), 1) & updateBox,
             colours.bottomRight);
    fillRect(outer, QRect(right - 1, ring.top(), 1, ring.height()) & updateBox,
             colours.bottomRight);
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
    QRect ring = outer.rect();
    for (const EdgeRing& colours : edgeRings(border, theme)) {
        if (ring.isEmpty()) return;
        drawRing(outer, ring, colours, updateBox);
        ring.adjust(1, 1, -1, -1);
    }
}

}  // namespace brontel
