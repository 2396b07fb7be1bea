#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include "render/desktop_edge.h"
#include "render/desktop_theme.h"
#include "render/face.h"

namespace brontel {

// The client area of a face of `outerSize`: the outer rectangle less the desktop edge of
// the border on every side, its rings `pixelRatio` pixels wide. Empty when the edge leaves no
// room.
QRect clientRectOf(QSize outerSize, int border, int pixelRatio);

// Paints the face's client area onto `client` (whose pixels are client coordinates,
// format RGB32), touching only pixels inside `updateArea`. Every pixel inside the area is
// painted, so the surface never needs erasing first.
void paintFace(Face& face, QImage& client, const QRect& updateArea, const DesktopTheme& theme);

// The whole face at its outer size: the desktop edge of borders 1 to 5 and the client area
// inside it, limited to `updateArea` (outer coordinates). `outer` must be RGB32.
void renderFace(Face& face, QImage& outer, const QRect& updateArea, const DesktopTheme& theme);

// A new RGB32 image of the whole face; a null image when either side is not positive or
// the image cannot be allocated.
QImage renderFace(Face& face, QSize outerSize, const DesktopTheme& theme);

}  // namespace brontel
