#pragma once

#include <cstdint>
#include <span>

#include "render/picture/image_result.h"

namespace brontel {

// A PNG file as ARGB32 with straight (not premultiplied) alpha through libpng: every colour
// type and bit depth, palettes with transparency, interlaced or not. Sixteen-bit samples are
// rounded to eight; gamma and colour profiles are not applied.
ImageResult readPng(std::span<const std::uint8_t> bytes);

}  // namespace brontel
