#pragma once

#include <QImage>
#include <cstdint>

#include "model/bytes.h"

namespace brontel {

// The image as one complete 24-bit uncompressed BMP file: 14-byte file header, 40-byte info
// header, no colour table, rows stored bottom-up in blue-green-red order and zero-filled to
// a multiple of four bytes. Alpha plays no part. Empty when the image has no pixels or the
// file's memory cannot be had; callers pass the empty array on unchanged.
Bytes encodeBmp(const QImage& image);

// Bytes of one stored row: three per pixel, rounded up to a multiple of four.
constexpr std::int64_t bmpStride(std::int64_t width) {
    return (24 * width + 31) / 32 * 4;
}

inline constexpr int kBmpHeaderSize = 54;

}  // namespace brontel
