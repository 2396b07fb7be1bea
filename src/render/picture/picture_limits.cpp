#include "render/picture/picture_limits.h"

#include <limits>

namespace brontel {

std::optional<std::size_t> checkedProduct(std::size_t a, std::size_t b) {
    if (a != 0 && b > std::numeric_limits<std::size_t>::max() / a) return std::nullopt;
    return a * b;
}

std::optional<std::size_t> checkedSum(std::size_t a, std::size_t b) {
    if (b > std::numeric_limits<std::size_t>::max() - a) return std::nullopt;
    return a + b;
}

std::optional<std::size_t> rowBytes(std::size_t width, unsigned bitsPerPixel,
                                    std::size_t alignment) {
    const auto bits = checkedProduct(width, bitsPerPixel);
    if (!bits) return std::nullopt;
    const std::size_t bytes = *bits / 8 + (*bits % 8 != 0);
    const auto padded = checkedSum(bytes, alignment - 1);
    if (!padded) return std::nullopt;
    return *padded / alignment * alignment;
}

std::optional<PictureError> pictureSizeError(std::int64_t width, std::int64_t height) {
    if (width < 1 || height < 1) return PictureError::Malformed;
    if (width > kMaxPictureSide || height > kMaxPictureSide) return PictureError::TooLarge;
    if (width * height > kMaxPicturePixels) return PictureError::TooLarge;
    return std::nullopt;
}

ImageResult newPictureImage(std::int64_t width, std::int64_t height, QImage::Format format) {
    if (const auto error = pictureSizeError(width, height)) return *error;
    QImage image(static_cast<int>(width), static_cast<int>(height), format);
    if (image.isNull()) return PictureError::TooLarge;
    return image;
}

}  // namespace brontel
