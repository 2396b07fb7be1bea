#pragma once

#include <optional>
#include <span>

#include <QImage>

#include "model/bytes.h"

namespace brontel {

// Which reader recognised the bytes; numbered as the product has always numbered them.
enum class PictureKind { Jpeg = 1, Bmp = 2, Icon = 3, Cursor = 4, Gif = 5, Pcx256 = 6, PcxMono = 7, Png = 8 };

// A picture ready to be placed. `image` is upright. PNG pictures keep their straight
// (non-premultiplied) alpha in Format_ARGB32 until blended over a background; icons and
// cursors are Format_ARGB32 with alpha 0 where their mask is transparent and 255 elsewhere;
// every other kind is opaque Format_RGB32.
struct DecodedPicture {
    PictureKind kind;
    QImage image;
};

// Recognises the format by its first bytes and decodes it. Nothing for bytes that are no
// picture, are malformed, or exceed the size limits.
std::optional<DecodedPicture> decodePicture(std::span<const std::uint8_t> bytes);

}  // namespace brontel
