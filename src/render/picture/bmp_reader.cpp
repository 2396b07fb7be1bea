#include "render/picture/bmp_reader.h"

#include "render/picture/byte_reader.h"
#include "render/picture/dib.h"
#include "render/picture/picture_limits.h"

namespace brontel {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kPixelOffsetField = 10;

ImageResult readBitmap(std::span<const std::uint8_t> bytes, std::size_t pixelOffset,
                       const DibHeader& header) {
    const auto dib = bytes.subspan(kFileHeaderBytes);
    const bool topDown = header.height < 0;
    const std::int64_t height = topDown ? -header.height : header.height;
    if (const auto error = pictureSizeError(header.width, height)) return *error;
    const auto palette = readDibPalette(dib, header);
    const auto rows = DibRows::at(bytes, pixelOffset, header.width, height, header.bitsPerPixel);
    if (!palette || !rows) return PictureError::Malformed;
    ImageResult result = newPictureImage(header.width, height, QImage::Format_RGB32);
    if (auto* image = std::get_if<QImage>(&result)) {
        for (int y = 0; y < image->height(); ++y) {
            const auto row = rows->row(static_cast<std::size_t>(topDown ? y : height - 1 - y));
            unpackDibRow(row, header.bitsPerPixel, *palette,
                         reinterpret_cast<QRgb*>(image->scanLine(y)), image->width());
        }
    }
    return result;
}

}  // namespace

ImageResult readBmp(std::span<const std::uint8_t> bytes) {
    ByteReader file(bytes, kPixelOffsetField);
    const std::uint32_t pixelOffset = file.u32();
    if (!file.ok()) return PictureError::Malformed;
    const auto header = readDibHeader(bytes.subspan(kFileHeaderBytes));
    if (const auto* error = std::get_if<PictureError>(&header)) return *error;
    return readBitmap(bytes, pixelOffset, std::get<DibHeader>(header));
}

}  // namespace brontel
