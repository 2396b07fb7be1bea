#include "render/picture/gif_reader.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "render/picture/byte_reader.h"
#include "render/picture/gif_lzw.h"
#include "render/picture/palette.h"
#include "render/picture/picture_limits.h"

namespace brontel {
namespace {

constexpr std::size_t kSignatureBytes = 6;
constexpr std::uint8_t kExtension = 0x21;
constexpr std::uint8_t kImageDescriptor = 0x2C;
constexpr std::uint8_t kHasColourTable = 0x80;
constexpr std::uint8_t kInterlaced = 0x40;

struct Frame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
};

// A colour table follows its descriptor when the flags say so; its size is in their low bits.
bool readColourTable(ByteReader& reader, std::uint8_t flags, Palette& palette) {
    if (!(flags & kHasColourTable)) return false;
    const std::size_t entries = std::size_t{2} << (flags & 7);
    for (std::size_t i = 0; i < entries; ++i) {
        const auto rgb = reader.take(3);
        if (rgb.empty()) return false;
        palette[i] = qRgb(rgb[0], rgb[1], rgb[2]);
    }
    return true;
}

// The data of a chain of sub-blocks, each led by its length, up to the empty one.
std::optional<std::vector<std::uint8_t>> joinSubBlocks(ByteReader& reader) {
    std::vector<std::uint8_t> data;
    while (const std::uint8_t length = reader.u8()) {
        const auto block = reader.take(length);
        data.insert(data.end(), block.begin(), block.end());
    }
    if (!reader.ok()) return std::nullopt;
    return data;
}

// Skips extensions up to the first image descriptor; false when none comes.
bool seekFirstImage(ByteReader& reader) {
    for (;;) {
        const std::uint8_t block = reader.u8();
        if (!reader.ok()) return false;
        if (block == kImageDescriptor) return true;
        if (block != kExtension) return false;
        reader.skip(1);  // label
        if (!joinSubBlocks(reader)) return false;
    }
}

Frame readFrame(ByteReader& reader, Palette& palette, bool& hasPalette) {
    Frame frame;
    frame.left = reader.u16();
    frame.top = reader.u16();
    frame.width = reader.u16();
    frame.height = reader.u16();
    const std::uint8_t flags = reader.u8();
    frame.interlaced = flags & kInterlaced;
    if (flags & kHasColourTable) hasPalette = readColourTable(reader, flags, palette);
    return frame;
}

// The rows of an interlaced image in the order they are stored: every 8th row from 0, every
// 8th from 4, every 4th from 2, then every 2nd from 1.
std::vector<int> storedRowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y) rows.push_back(y);
        return rows;
    }
    constexpr int kStarts[] = {0, 4, 2, 1};
    constexpr int kSteps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = kStarts[pass]; y < height; y += kSteps[pass]) rows.push_back(y);
    }
    return rows;
}

// Draws the image at its place, cut at the screen's edges.
void drawFrame(QImage& image, const Frame& frame, const std::vector<std::uint8_t>& indices,
               const Palette& palette) {
    const std::vector<int> rows = storedRowOrder(frame.height, frame.interlaced);
    const int visibleWidth = std::clamp(image.width() - frame.left, 0, frame.width);
    const std::uint8_t* index = indices.data();
    for (const int row : rows) {
        const int y = frame.top + row;
        if (y < image.height() && visibleWidth > 0) {
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y)) + frame.left;
            for (int x = 0; x < visibleWidth; ++x) out[x] = palette[index[x]];
        }
        index += frame.width;
    }
}

// The picture is the logical screen. A first image that does not fit it in size marks a
// broken screen size, as browsers also take it: the image alone is then the picture.
QSize pictureSize(QSize screen, Frame& frame) {
    if (frame.width <= screen.width() && frame.height <= screen.height()) return screen;
    frame.left = frame.top = 0;
    return QSize(frame.width, frame.height);
}

ImageResult decodeFirstImage(ByteReader& reader, QSize screen, QRgb background,
                             const Palette& global, bool hasGlobal) {
    Palette palette = global;
    bool hasPalette = hasGlobal;
    Frame frame = readFrame(reader, palette, hasPalette);
    const int minCodeSize = reader.u8();
    if (!reader.ok() || !hasPalette) return PictureError::Malformed;
    if (const auto error = pictureSizeError(frame.width, frame.height)) return *error;
    const QSize size = pictureSize(screen, frame);
    if (const auto error = pictureSizeError(size.width(), size.height())) return *error;
    const auto data = joinSubBlocks(reader);
    if (!data) return PictureError::Malformed;
    const std::size_t pixels = std::size_t(frame.width) * std::size_t(frame.height);
    auto indices = decodeGifLzw(*data, minCodeSize, pixels);
    if (const auto* error = std::get_if<PictureError>(&indices)) return *error;
    ImageResult result = newPictureImage(size.width(), size.height(), QImage::Format_RGB32);
    if (auto* image = std::get_if<QImage>(&result)) {
        image->fill(background);
        drawFrame(*image, frame, std::get<std::vector<std::uint8_t>>(indices), palette);
    }
    return result;
}

}  // namespace

ImageResult readGif(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes, kSignatureBytes);
    const int screenWidth = reader.u16();
    const int screenHeight = reader.u16();
    const std::uint8_t flags = reader.u8();
    const std::uint8_t backgroundIndex = reader.u8();
    reader.skip(1);  // pixel aspect ratio
    Palette global = blackPalette();
    const bool hasGlobal = readColourTable(reader, flags, global);
    if (!reader.ok() || !seekFirstImage(reader)) return PictureError::Malformed;
    const QRgb background = global[backgroundIndex];
    return decodeFirstImage(reader, QSize(screenWidth, screenHeight), background, global,
                            hasGlobal);
}

}  // namespace brontel
