#pragma once

#include <cstdint>
#include <optional>

#include "render/decoded_picture.h"

namespace brontel {

// The decoded form of a face's picture bytes, kept until the bytes are set again.
class PictureCache {
public:
    // The picture for the style's bytes, decoding them when they changed since last time.
    // Nothing when the bytes are no picture.
    const std::optional<DecodedPicture>& pictureFor(const Bytes& bytes, std::uint64_t revision);

private:
    std::uint64_t revision_ = 0;
    bool valid_ = false;
    std::optional<DecodedPicture> picture_;
};

}  // namespace brontel
