#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <cstdint>
#include <span>
#include <vector>

#include "model/bytes.h"

// Writers of small picture files, built byte by byte so each variant a reader must handle
// (and each way a file can be broken) can be made on purpose. Used by the reader tests and
// by the fuzzers' seed generator.
namespace brontel::samples {

// Little-endian writing, the byte order of every format here but PNG's.
class ByteWriter {
public:
    void u8(unsigned value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
    void u16(unsigned value) {
        u8(value);
        u8(value >> 8);
    }
    void u32(std::uint32_t value) {
        u16(value & 0xFFFF);
        u16(value >> 16);
    }
    void append(std::span<const std::uint8_t> data) {
        bytes_.insert(bytes_.end(), data.begin(), data.end());
    }
    void fill(std::size_t count, std::uint8_t value) { bytes_.insert(bytes_.end(), count, value); }
    std::size_t size() const { return bytes_.size(); }
    Bytes& bytes() { return bytes_; }

private:
    Bytes bytes_;
};

// Overwrites a little-endian field of an existing file, for breaking it on purpose.
void putU16(Bytes& bytes, std::size_t offset, unsigned value);
void putU32(Bytes& bytes, std::size_t offset, std::uint32_t value);

// Test patterns in which each pixel differs from its neighbours, so a swapped channel, a
// misplaced row or a shifted column shows. `indexedPattern` is Format_Indexed8 with
// `colours` distinct opaque colours; `rgbPattern` is Format_RGB32.
QImage indexedPattern(int width, int height, int colours);
QImage rgbPattern(int width, int height);

// BMP: `image` is Indexed8 for 1, 4 and 8 bits (its indices must fit the depth) and any
// format for 24 and 32 bits. headerBytes is 12, 40, 108 or 124. paletteEntries 0 writes
// the whole colour table and leaves the colour-count field 0.
struct BmpLayout {
    int bitsPerPixel = 24;
    int headerBytes = 40;
    bool topDown = false;
    int paletteEntries = 0;
};
Bytes bmpFile(const QImage& image, const BmpLayout& layout = {});

// GIF: `image` is Indexed8. The first image may be placed on a larger screen, store its
// rows interlaced and bring its own palette. `clearWhenFull` false keeps the full code table
// in use (a "deferred clear") instead of clearing it.
struct GifLayout {
    bool interlaced = false;
    bool localPalette = false;
    QSize screen{};  // the image's size when empty
    QPoint offset{};
    int backgroundIndex = 0;
    int transparentIndex = -1;  // written in a graphic control extension when 0 or above
    bool clearWhenFull = true;
    int minCodeSize = 0;  // 0: the least the palette allows
};
Bytes gifFile(const QImage& image, const GifLayout& layout = {});
// The LZW codes of `indices`, unsplit into sub-blocks.
std::vector<std::uint8_t> gifLzw(std::span<const std::uint8_t> indices, int minCodeSize,
                                 bool clearWhenFull);

// Icon and cursor files. A bitmap entry is Indexed8 for 1, 4 and 8 bits, ARGB32 otherwise;
// pixels whose alpha is 0 are masked out. A PNG entry stores `image` as PNG. The directory's
// width and colour-count bytes default to what the image holds.
struct IconEntrySample {
    QImage image;
    int bitsPerPixel = 32;
    bool asPng = false;
    int widthByte = -1;
    int colourCountByte = -1;
};
Bytes iconFile(const std::vector<IconEntrySample>& entries, bool cursor = false);

// PCX: a 256-colour file from an Indexed8 image, and a black-and-white file from an
// Indexed8 image of indices 0 (black) and 1 (white).
Bytes pcx256File(const QImage& image);
Bytes pcxMonoFile(const QImage& image);
// PCX run-length encoding of one buffer.
Bytes pcxRuns(std::span<const std::uint8_t> data);

// JPEG through libjpeg.
enum class JpegColours { Grey, Rgb, CmykAdobe, CmykPlain };
struct JpegLayout {
    JpegColours colours = JpegColours::Rgb;
    bool progressive = false;
    int quality = 90;
};
// For CMYK kinds, each pixel's red, green, blue and alpha bytes are stored as C, M, Y, K.
Bytes jpegFile(const QImage& image, const JpegLayout& layout = {});
// A progressive grey JPEG of exactly `scans` scans (66 to 127).
Bytes progressiveJpegWithScans(const QImage& image, int scans);

// PNG through libpng. `image` is ARGB32 (Indexed8 for a palette, whose colours' alpha goes
// into a transparency chunk) and holds only values the colour type and depth store exactly:
// grey pixels for grey types, levels the bit depth can reach. For grey and RGB without
// alpha, pixels of alpha 0 must share one colour, which becomes the transparent colour.
struct PngLayout {
    int colourType = 6;  // 0 grey, 2 RGB, 3 palette, 4 grey with alpha, 6 RGB with alpha
    int bitDepth = 8;
    bool interlaced = false;
};
Bytes pngFile(const QImage& image, const PngLayout& layout = {});

}  // namespace brontel::samples
