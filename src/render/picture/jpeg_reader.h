#pragma once

#include <cstdint>
#include <span>

#include "render/picture/image_result.h"

namespace brontel {

// A JPEG file as an opaque RGB32 image through libjpeg: grey, colour, and CMYK (Adobe's
// inverted CMYK when the file carries Adobe's marker), baseline or progressive. A file or a
// scan that ends early, a file of more than 100 scans and one whose decoding needs more than
// 256 MiB are refused.
ImageResult readJpeg(std::span<const std::uint8_t> bytes);

}  // namespace brontel
