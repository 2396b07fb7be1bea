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
void drawPictureLayer(QImage& surface, const DecodedPicture& picture, int pictureMode,
                      const QRect& interior, const QRect& clip, QRegion& uncovered,
                      Colour background);

}  // namespace brontel
