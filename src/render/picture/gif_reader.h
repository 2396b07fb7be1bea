#pragma once

#include <cstdint>
#include <span>

#include "render/picture/image_result.h"

namespace brontel {

// The first image of a GIF file (its signature already recognised) as an opaque RGB32
// still: the logical screen filled with its background colour and the image drawn at its
// place, cut at the screen's edges, in its own or the global palette's colours. An image
// larger than the screen is the picture by itself. The transparent index is not applied.
ImageResult readGif(std::span<const std::uint8_t> bytes);

}  // namespace brontel
