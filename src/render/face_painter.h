#pragma once

#include <QImage>
#include <QRect>

#include "render/desktop_theme.h"
#include "render/face.h"

namespace brontel {

// Width, on every side, of the desktop edge drawn around the client area for a border.
int edgeWidth(int border);

// Paints the face's client area onto `client` (whose pixels are client coordinates,
// format RGB32), touching only pixels inside `updateArea`. Every pixel inside the area is
// painted, so the surface never needs erasing first.
void paintFace(Face& face, QImage& client, const QRect& updateArea, const DesktopTheme& theme);

// The whole face at its outer size: the desktop edge of borders 1 to 5 and the client area
// inside it, limited to `updateArea` (outer coordinates).
void renderFace(Face& face, QImage& outer, const QRect& updateArea, const DesktopTheme& theme);
QImage renderFace(Face& face, QSize outerSize, const DesktopTheme& theme);

}  // namespace brontel
