#pragma once

#include <QImage>
#include <cstdlib>
#include <variant>

#include "render/picture/image_result.h"
#include "render/picture/picture_limits.h"

namespace brontel::fuzz {

// A decoded picture must be a real image within the limits; anything else is a fault the
// fuzzer should report like a crash.
inline void checkImage(const QImage& image) {
    const std::int64_t pixels = std::int64_t{image.width()} * image.height();
    if (image.isNull() || image.width() > kMaxPictureSide || image.height() > kMaxPictureSide ||
        pixels > kMaxPicturePixels)
        std::abort();
}

inline void checkResult(const ImageResult& result) {
    if (const auto* image = std::get_if<QImage>(&result)) checkImage(*image);
}

}  // namespace brontel::fuzz
