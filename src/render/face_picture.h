#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

#include "model/colour.h"
#include "render/face.h"

namespace brontel {

// The background picture of a face that holds picture bytes. Decodes them once through the
// face's cache; bytes that give no picture (or a picture without pixels) are dropped from
// the style, so this paint shows the background colour and later paints are those of a face
// without a picture. Otherwise as drawPictureLayer, `pixelRatio` device pixels to a picture
// pixel.
void paintFacePicture(Face& face, QImage& client, const QRect& interior, const QRect& clip,
                      QRegion& uncovered, Colour background, int pixelRatio);

}  // namespace brontel
