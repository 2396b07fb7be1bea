#pragma once

#include <cstdint>
#include <span>

#include "render/picture/image_result.h"

namespace brontel {

// A 256-colour PCX file (one plane of 8 bits, run-length encoded, the palette after a 0x0C
// byte at the end) as an opaque RGB32 image.
ImageResult readPcx256(std::span<const std::uint8_t> bytes);

// A one-plane, one-bit PCX file as an opaque RGB32 image: 0 bits black, 1 bits white.
ImageResult readPcxMono(std::span<const std::uint8_t> bytes);

}  // namespace brontel
