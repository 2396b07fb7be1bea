#pragma once

#include <QImage>
#include <QRect>
#include <vector>

#include "model/colour.h"
#include "render/desktop_theme.h"

namespace brontel {

// Width, on every side, of the desktop edge drawn around the client area for a border:
// 2 sunken, 3 raised, 1 shallow sunken, 5 picture frame, 1 single line, 0 otherwise.
int edgeWidth(int border);

// One one-pixel ring of a desktop edge. Light comes from the top left, so a ring has one
// colour along its top and left sides and another along its bottom and right sides.
struct EdgeRing {
    Colour topLeft;
    Colour bottomRight;

    bool operator==(const EdgeRing&) const = default;
};

// The rings of a border's edge from the outside in; as many as its edge width.
std::vector<EdgeRing> edgeRings(int border, const DesktopTheme& theme);

// Draws the border's edge along the outside of `outer`, only inside `updateBox`. Where a
// ring's two colours meet, the top-right and bottom-left corner pixels take the
// bottom-right colour, as the desktop's own edges do. Each ring is the theme's pixelRatio
// pixels wide, so the edge is edgeWidth(border) * pixelRatio wide.
void drawDesktopEdge(QImage& outer, int border, const QRect& updateBox, const DesktopTheme& theme);

}  // namespace brontel
