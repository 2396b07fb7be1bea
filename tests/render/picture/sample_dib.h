#pragma once

#include <QImage>

#include "render/picture/sample_pictures.h"

namespace brontel::samples {

// One bitmap row of `image` at `bits` per pixel, padded to four bytes. Indexed rows take
// the pixel indices; a 32-bit row's fourth byte is the pixel's alpha when `alphaByte`,
// otherwise a constant that must never be mistaken for alpha.
void writeDibRow(ByteWriter& out, const QImage& image, int y, int bits, bool alphaByte);

}  // namespace brontel::samples
