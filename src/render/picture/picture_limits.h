#pragma once

#include <QImage>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "render/picture/image_result.h"

namespace brontel {

// Pictures come from any file the user picks. Whatever is far beyond what a button face can
// show is refused before its pixels are allocated, so a hostile header cannot exhaust memory.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{64} << 20;
inline constexpr std::int64_t kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = 64'000'000;

// Every size a reader computes goes through these: a × b and a + b, nothing on overflow.
std::optional<std::size_t> checkedProduct(std::size_t a, std::size_t b);
std::optional<std::size_t> checkedSum(std::size_t a, std::size_t b);

// Bytes in a row of `width` pixels of `bitsPerPixel`, padded to a multiple of `alignment`.
std::optional<std::size_t> rowBytes(std::size_t width, unsigned bitsPerPixel,
                                    std::size_t alignment);

// Whether a picture of this size may be decoded: Malformed for a side below 1, TooLarge for
// a side or pixel count beyond the limits, nothing when it may.
std::optional<PictureError> pictureSizeError(std::int64_t width, std::int64_t height);

// A raster of this size, its size checked first; TooLarge also when allocation fails.
ImageResult newPictureImage(std::int64_t width, std::int64_t height, QImage::Format format);

}  // namespace brontel
