#pragma once

#include <cstdint>
#include <vector>

namespace brontel {

// The raw bytes of a file held in memory: a face's picture, an encoded state image.
using Bytes = std::vector<std::uint8_t>;

}  // namespace brontel
