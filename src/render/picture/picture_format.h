#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "render/decoded_picture.h"

namespace brontel {

// The reader the first bytes of a file call for, never its name; nothing for fewer than 8
// bytes or an unknown start.
std::optional<PictureKind> recognisePicture(std::span<const std::uint8_t> bytes);

}  // namespace brontel
