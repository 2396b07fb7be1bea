#pragma once

#include <cstdint>
#include <span>

#include "render/picture/image_result.h"

namespace brontel {

// The first image of a GIF file (its signature already recognised) as an opaque RGB32
// still: the logical screen, grown to hold the image when the image reaches beyond it,
// filled with the screen's background colour, with the image drawn at its place in its own
// or the global palette's colours. The transparent colour index is not applied.
ImageResult readGif(std::span<const std::uint8_t> bytes);

}  // namespace brontel
