#pragma once

#include <cstdint>
#include <span>

#include "render/picture/image_result.h"

namespace brontel {

// One image of an icon or cursor file (its directory already recognised) as ARGB32. The
// image is the directory's first entry 32 pixels wide with at least 16 colours, else its last
// entry. A bitmap entry has alpha 0 where its mask is set and 255 elsewhere (a 32-bit
// entry's own alpha bytes are ignored: the mask alone decides); an entry stored as PNG is
// read as PNG.
ImageResult readIcon(std::span<const std::uint8_t> bytes);

}  // namespace brontel
