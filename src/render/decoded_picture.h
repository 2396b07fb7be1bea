#pragma once

#include <QImage>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>

#include "model/bytes.h"

namespace brontel {

// Which reader recognised the bytes; numbered as the product has always numbered them.
enum class PictureKind {
    Jpeg = 1,
    Bmp = 2,
    Icon = 3,
    Cursor = 4,
    Gif = 5,
    Pcx256 = 6,
    PcxMono = 7,
    Png = 8
};

// A picture ready to be placed. `image` is upright. PNG pictures keep their straight
// (non-premultiplied) alpha in Format_ARGB32 until blended over a background. Icons and
// cursors are Format_ARGB32: a bitmap entry has alpha 0 where its mask is transparent and
// 255 elsewhere, an entry stored as PNG keeps the PNG's straight alpha. Every other kind is
// opaque Format_RGB32.
struct DecodedPicture {
    PictureKind kind;
    QImage image;
};

// Why bytes give no picture. A size beyond the limits is told apart from a broken file.
enum class PictureError {
    Unrecognised,  // no known format starts this way
    Malformed,     // truncated, inconsistent, or a side of zero pixels
    Unsupported,   // a valid file in a variant the product does not read
    TooLarge,      // beyond the file-size, side or pixel-count limits
};

// The decoded picture, or the reason there is none.
using PictureResult = std::variant<DecodedPicture, PictureError>;

// Recognises the format by its first bytes and decodes it.
PictureResult readPicture(std::span<const std::uint8_t> bytes);

// readPicture without the reason: nothing for bytes that are no picture, are malformed, or
// exceed the size limits.
std::optional<DecodedPicture> decodePicture(std::span<const std::uint8_t> bytes);

}  // namespace brontel
