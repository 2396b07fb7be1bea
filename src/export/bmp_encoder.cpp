#include "export/bmp_encoder.h"

#include <limits>
#include <new>

#include "export/bgr_row.h"

namespace brontel {
namespace {

inline constexpr int kFileHeaderSize = 14;
inline constexpr int kInfoHeaderSize = 40;

void put16(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(std::uint8_t* at, std::uint32_t value) {
    put16(at, value);
    put16(at + 2, value >> 16);
}

void writeHeaders(std::uint8_t* out, int width, int height, std::uint32_t pixelBytes) {
    out[0] = 'B';
    out[1] = 'M';
    put32(out + 2, kBmpHeaderSize + pixelBytes);  // bfSize; bfReserved1/2 stay 0
    put32(out + 10, kBmpHeaderSize);              // bfOffBits: no colour table at 24 bits
    std::uint8_t* info = out + kFileHeaderSize;
    put32(info, kInfoHeaderSize);
    put32(info + 4, static_cast<std::uint32_t>(width));
    put32(info + 8, static_cast<std::uint32_t>(height));  // positive: bottom-up
    put16(info + 12, 1);                                  // planes
    put16(info + 14, 24);                                 // bits per pixel
    put32(info + 20, pixelBytes);  // biSizeImage; compression, resolution, colours stay 0
}

// The file length, or 0 when it cannot be described by the 32-bit header fields.
std::uint64_t fileSizeFor(int width, int height) {
    const std::uint64_t pixelBytes =
        static_cast<std::uint64_t>(bmpStride(width)) * static_cast<std::uint64_t>(height);
    const std::uint64_t total = kBmpHeaderSize + pixelBytes;
    return total > std::numeric_limits<std::uint32_t>::max() ? 0 : total;
}

QImage asRgb32(const QImage& image) {
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32) {
        return image;  // shared, not copied
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

Bytes encodeBmp(const QImage& image) {
    const int width = image.width();
    const int height = image.height();
    if (width < 1 || height < 1) return {};
    const std::uint64_t fileSize = fileSizeFor(width, height);
    if (fileSize == 0) return {};
    const QImage pixels = asRgb32(image);
    if (pixels.isNull()) return {};  // the conversion found no memory

    Bytes file;
    try {
        file.resize(static_cast<std::size_t>(fileSize));  // zero-filled: row padding included
    } catch (const std::bad_alloc&) {
        return {};
    } catch (const std::length_error&) {
        return {};
    }
    writeHeaders(file.data(), width, height, static_cast<std::uint32_t>(fileSize - kBmpHeaderSize));
    const std::size_t stride = static_cast<std::size_t>(bmpStride(width));
    std::uint8_t* row = file.data() + kBmpHeaderSize;
    for (int y = height - 1; y >= 0; --y, row += stride) {
        toBgrRow(reinterpret_cast<const std::uint32_t*>(pixels.constScanLine(y)), row, width);
    }
    return file;
}

}  // namespace brontel
