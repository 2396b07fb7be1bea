#pragma once

#include <cstdint>
#include <span>

#include "render/picture/image_result.h"

namespace brontel {

// A BMP file (its "BM" already recognised) as an opaque RGB32 image: uncompressed 1, 4, 8,
// 24 and 32-bit bitmaps, bottom-up or top-down, with any of the bitmap header versions.
ImageResult readBmp(std::span<const std::uint8_t> bytes);

}  // namespace brontel
