#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>
#include <vector>

#include "render/decoded_picture.h"

namespace brontel {

// Decodes a GIF image's LZW data (its sub-blocks already joined) into `pixelCount` colour
// indices. Codes start at minCodeSize + 1 bits and grow to 12; a full table of 4096 entries
// stays in use until the next clear code. Malformed when the data holds a code the table
// cannot have yet, or ends before `pixelCount` indices; indices beyond it are dropped.
std::variant<std::vector<std::uint8_t>, PictureError> decodeGifLzw(
    std::span<const std::uint8_t> data, int minCodeSize, std::size_t pixelCount);

}  // namespace brontel
