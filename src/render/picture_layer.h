#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

#include "model/colour.h"
#include "render/decoded_picture.h"

namespace brontel {

// The face's background picture in its placement (`pictureMode` 0 top-left, 1 tiled,
// 2 centred and shrunk to fit), drawn on a Format_RGB32 `surface` only inside `clip` (the
// interior clip). Removes what it covered from `uncovered`; tiling covers the whole interior
// and empties it. `picture` must be at least 1 x 1. Pictures with alpha (PNG, icons) are
// laid over `background`, the face's effective background colour, before they are placed,
// so no pixel under them is left unpainted.
// At a `pixelRatio` above 1 every picture pixel is a square block of that many device pixels
// on a side, and the placement rules run on the enlarged size: the top-left and tiled
// pictures are their ordinary selves with every pixel enlarged, and a centred picture is
// centred, or shrunk by area averaging of its own pixels, at the device size. A picture's
// pixels are design pixels, as a high-density desktop shows an ordinary bitmap; only where
// the picture must shrink does it hold finer detail than the ordinary face showed, and
// averaging from its own pixels keeps that detail (exactly what averaging the enlarged
// blocks would give).
void drawPictureLayer(QImage& surface, const DecodedPicture& picture, int pictureMode,
                      const QRect& interior, const QRect& clip, QRegion& uncovered,
                      Colour background, int pixelRatio = 1);

}  // namespace brontel
