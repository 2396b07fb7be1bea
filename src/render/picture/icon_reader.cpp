#include "render/picture/icon_reader.h"

#include <algorithm>
#include <optional>

#include "render/picture/byte_reader.h"
#include "render/picture/dib.h"
#include "render/picture/picture_limits.h"
#include "render/picture/png_reader.h"

namespace brontel {
namespace {

constexpr std::size_t kCountOffset = 4;  // the directory entries follow the count
constexpr std::uint8_t kPreferredWidth = 32;
constexpr std::uint8_t kPreferredMinColours = 16;

struct IconEntry {
    std::uint8_t width = 0;
    std::uint8_t colourCount = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

IconEntry readEntry(ByteReader& reader) {
    IconEntry entry;
    entry.width = reader.u8();
    reader.skip(1);  // height
    entry.colourCount = reader.u8();
    reader.skip(5);  // reserved, planes or hot spot x, bit count or hot spot y
    entry.size = reader.u32();
    entry.offset = reader.u32();
    return entry;
}

// The entry the product has always shown: the first 32-pixel-wide one with 16 or more
// colours, otherwise the last.
std::optional<IconEntry> chooseEntry(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes, kCountOffset);
    const std::uint16_t count = reader.u16();
    if (count == 0) return std::nullopt;
    IconEntry entry;
    for (std::uint16_t i = 0; i < count; ++i) {
        entry = readEntry(reader);
        if (!reader.ok()) return std::nullopt;
        if (entry.width == kPreferredWidth && entry.colourCount >= kPreferredMinColours) break;
    }
    return entry;
}

bool isPng(std::span<const std::uint8_t> bytes) {
    constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G'};
    return bytes.size() >= 4 &&
           std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin());
}

// Clears the alpha, and the colour with it, of every pixel whose mask bit is set.
void applyMask(std::span<const std::uint8_t> maskRow, QRgb* out, int width) {
    for (int x = 0; x < width; ++x) {
        if ((maskRow[x / 8] >> (7 - x % 8)) & 1) out[x] = 0;
    }
}

ImageResult readIconBitmap(std::span<const std::uint8_t> dib) {
    const auto parsed = readDibHeader(dib);
    if (const auto* error = std::get_if<PictureError>(&parsed)) return *error;
    const DibHeader& header = std::get<DibHeader>(parsed);
    // The height field covers the image and the mask below it.
    const std::int64_t height = header.height / 2;
    if (const auto error = pictureSizeError(header.width, height)) return *error;
    const auto palette = readDibPalette(dib, header);
    const std::size_t colourOffset = header.headerBytes + dibPaletteBytes(header);
    const auto colour = DibRows::at(dib, colourOffset, header.width, height, header.bitsPerPixel);
    if (!palette || !colour) return PictureError::Malformed;
    const auto mask = DibRows::at(dib, colour->end(), header.width, height, 1);
    if (!mask) return PictureError::Malformed;
    ImageResult result = newPictureImage(header.width, height, QImage::Format_ARGB32);
    if (auto* image = std::get_if<QImage>(&result)) {
        for (int y = 0; y < image->height(); ++y) {
            const auto source = static_cast<std::size_t>(height - 1 - y);
            auto* out = reinterpret_cast<QRgb*>(image->scanLine(y));
            unpackDibRow(colour->row(source), header.bitsPerPixel, *palette, out, image->width());
            applyMask(mask->row(source), out, image->width());
        }
    }
    return result;
}

}  // namespace

ImageResult readIcon(std::span<const std::uint8_t> bytes) {
    const auto entry = chooseEntry(bytes);
    if (!entry || entry->offset > bytes.size() || entry->size > bytes.size() - entry->offset)
        return PictureError::Malformed;
    const auto image = bytes.subspan(entry->offset, entry->size);
    return isPng(image) ? readPng(image) : readIconBitmap(image);
}

}  // namespace brontel
