#pragma once

#include <QImage>

#include "model/colour.h"

namespace brontel {

// The picture made opaque over `background` (effective background colour), as Format_RGB32.
// Pixels with alpha below 255 mix with the background through the single-precision 1/255
// weight the product has always used, so a picture looks the same in every export. Opaque
// pictures come back unchanged. A null image when memory runs out.
QImage flattenOver(const QImage& picture, Colour background);

// One channel of one pixel: trunc(pixel * q + background * (1 - q)) with q = alpha * (1/255
// in single precision), held to 0..255.
int blendChannel(int pixel, int background, int alpha);

}  // namespace brontel
