#include "render/picture/pcx_reader.h"

#include <algorithm>
#include <optional>
#include <variant>
#include <vector>

#include "render/picture/byte_reader.h"
#include "render/picture/palette.h"
#include "render/picture/picture_limits.h"

namespace brontel {
namespace {

constexpr std::size_t kHeaderBytes = 128;
constexpr std::size_t kPaletteBytes = 769;  // the 0x0C marker and 256 RGB entries
constexpr std::uint8_t kPaletteMarker = 0x0C;
constexpr std::uint8_t kRunFlags = 0xC0;
constexpr std::size_t kLongestRun = 63;

struct PcxHeader {
    unsigned bitsPerPixel = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    unsigned planes = 0;
    std::size_t bytesPerLine = 0;
};

std::optional<PcxHeader> readHeader(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes, 3);
    PcxHeader header;
    header.bitsPerPixel = reader.u8();
    const int xMin = reader.u16(), yMin = reader.u16();
    const int xMax = reader.u16(), yMax = reader.u16();
    header.width = std::int64_t{xMax} - xMin + 1;
    header.height = std::int64_t{yMax} - yMin + 1;
    ByteReader planes(bytes, 65);
    header.planes = planes.u8();
    header.bytesPerLine = planes.u16();
    if (!reader.ok() || !planes.ok() || bytes.size() < kHeaderBytes) return std::nullopt;
    return header;
}

// Checks the header against the one layout a reader takes, then the picture's size.
std::optional<PictureError> layoutError(const PcxHeader& header, unsigned bitsPerPixel) {
    if (header.bitsPerPixel != bitsPerPixel || header.planes != 1) return PictureError::Unsupported;
    if (const auto error = pictureSizeError(header.width, header.height)) return error;
    const auto needed = rowBytes(static_cast<std::size_t>(header.width), bitsPerPixel, 1);
    if (!needed || header.bytesPerLine < *needed) return PictureError::Malformed;
    return std::nullopt;
}

// Expands the run-length data of every scan line into one buffer of `size` bytes. Runs may
// cross scan lines; a run past the last line is cut. Malformed when the data ends early.
std::variant<std::vector<std::uint8_t>, PictureError> expandRuns(std::span<const std::uint8_t> data,
                                                                 std::size_t size) {
    // No run is longer than 63 bytes, so short data cannot fill a large picture: refuse it
    // before allocating.
    const auto reach = checkedProduct(data.size(), kLongestRun);
    if (reach && *reach < size) return PictureError::Malformed;
    std::vector<std::uint8_t> out(size);
    std::size_t filled = 0, in = 0;
    while (filled < size) {
        if (in == data.size()) return PictureError::Malformed;
        std::size_t count = 1;
        std::uint8_t value = data[in++];
        if ((value & kRunFlags) == kRunFlags) {
            if (in == data.size()) return PictureError::Malformed;
            count = value & ~kRunFlags;
            value = data[in++];
        }
        count = std::min(count, size - filled);
        std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(filled), count, value);
        filled += count;
    }
    return out;
}

template <typename PixelOf>
ImageResult readPcx(std::span<const std::uint8_t> bytes, unsigned bitsPerPixel,
                    std::span<const std::uint8_t> runs, PixelOf pixelOf) {
    const auto header = readHeader(bytes);
    if (!header) return PictureError::Malformed;
    if (const auto error = layoutError(*header, bitsPerPixel)) return *error;
    const auto size =
        checkedProduct(header->bytesPerLine, static_cast<std::size_t>(header->height));
    if (!size) return PictureError::TooLarge;
    auto lines = expandRuns(runs, *size);
    if (const auto* error = std::get_if<PictureError>(&lines)) return *error;
    const auto& data = std::get<std::vector<std::uint8_t>>(lines);
    ImageResult result = newPictureImage(header->width, header->height, QImage::Format_RGB32);
    if (auto* image = std::get_if<QImage>(&result)) {
        for (int y = 0; y < image->height(); ++y) {
            const std::uint8_t* line = data.data() + std::size_t(y) * header->bytesPerLine;
            auto* out = reinterpret_cast<QRgb*>(image->scanLine(y));
            for (int x = 0; x < image->width(); ++x) out[x] = pixelOf(line, x);
        }
    }
    return result;
}

}  // namespace

ImageResult readPcx256(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderBytes + kPaletteBytes) return PictureError::Malformed;
    const auto tail = bytes.last(kPaletteBytes);
    if (tail[0] != kPaletteMarker) return PictureError::Malformed;
    Palette palette;
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = qRgb(tail[1 + 3 * i], tail[2 + 3 * i], tail[3 + 3 * i]);
    const auto runs = bytes.subspan(kHeaderBytes, bytes.size() - kHeaderBytes - kPaletteBytes);
    return readPcx(bytes, 8, runs,
                   [&palette](const std::uint8_t* line, int x) { return palette[line[x]]; });
}

ImageResult readPcxMono(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kHeaderBytes) return PictureError::Malformed;
    return readPcx(bytes, 1, bytes.subspan(kHeaderBytes), [](const std::uint8_t* line, int x) {
        return (line[x / 8] >> (7 - x % 8)) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    });
}

}  // namespace brontel
