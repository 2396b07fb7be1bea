#include "render/picture/dib.h"

#include "render/picture/byte_reader.h"
#include "render/picture/picture_limits.h"

namespace brontel {
namespace {

constexpr std::uint32_t kCoreHeaderBytes = 12;
constexpr std::uint32_t kUncompressed = 0;

// The info header and its later, longer versions, which share its first 40 bytes.
bool isInfoHeaderSize(std::uint32_t bytes) {
    return bytes == 40 || bytes == 52 || bytes == 56 || bytes == 64 || bytes == 108 || bytes == 124;
}

bool isReadableDepth(unsigned bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

void readCoreFields(ByteReader& reader, DibHeader& header) {
    header.width = reader.u16();
    header.height = reader.u16();
    reader.skip(2);  // planes
    header.bitsPerPixel = reader.u16();
    header.paletteEntryBytes = 3;
}

// Gives the compression field.
std::uint32_t readInfoFields(ByteReader& reader, DibHeader& header) {
    header.width = reader.i32();
    header.height = reader.i32();
    reader.skip(2);  // planes
    header.bitsPerPixel = reader.u16();
    const std::uint32_t compression = reader.u32();
    reader.skip(12);  // image size, resolution
    header.coloursUsed = reader.u32();
    return compression;
}

std::size_t paletteEntries(const DibHeader& header) {
    if (header.bitsPerPixel > 8) return 0;
    const std::uint32_t full = 1u << header.bitsPerPixel;
    return header.coloursUsed == 0 || header.coloursUsed > full ? full : header.coloursUsed;
}

void unpackIndexedRow(std::span<const std::uint8_t> row, unsigned bits, const Palette& palette,
                      QRgb* out, int width) {
    const unsigned perByte = 8 / bits;
    const unsigned mask = (1u << bits) - 1;
    for (int x = 0; x < width; ++x) {
        const unsigned shift = (perByte - 1 - x % perByte) * bits;
        out[x] = palette[(row[x / perByte] >> shift) & mask];
    }
}

void unpackDirectRow(std::span<const std::uint8_t> row, unsigned bytesPerPixel, QRgb* out,
                     int width) {
    const std::uint8_t* p = row.data();
    for (int x = 0; x < width; ++x, p += bytesPerPixel) out[x] = qRgb(p[2], p[1], p[0]);
}

}  // namespace

std::variant<DibHeader, PictureError> readDibHeader(std::span<const std::uint8_t> dib) {
    ByteReader reader(dib);
    DibHeader header;
    header.headerBytes = reader.u32();
    std::uint32_t compression = kUncompressed;
    if (header.headerBytes == kCoreHeaderBytes)
        readCoreFields(reader, header);
    else if (isInfoHeaderSize(header.headerBytes))
        compression = readInfoFields(reader, header);
    else
        return reader.ok() ? PictureError::Unsupported : PictureError::Malformed;
    if (!reader.ok() || dib.size() < header.headerBytes) return PictureError::Malformed;
    if (compression != kUncompressed || !isReadableDepth(header.bitsPerPixel))
        return PictureError::Unsupported;
    return header;
}

std::size_t dibPaletteBytes(const DibHeader& header) {
    return paletteEntries(header) * header.paletteEntryBytes;
}

std::optional<Palette> readDibPalette(std::span<const std::uint8_t> dib, const DibHeader& header) {
    ByteReader reader(dib, header.headerBytes);
    Palette palette = blackPalette();
    const std::size_t entries = paletteEntries(header);
    for (std::size_t i = 0; i < entries; ++i) {
        const auto entry = reader.take(header.paletteEntryBytes);
        if (entry.empty()) return std::nullopt;
        palette[i] = qRgb(entry[2], entry[1], entry[0]);
    }
    return palette;
}

std::optional<DibRows> DibRows::at(std::span<const std::uint8_t> bytes, std::size_t offset,
                                   std::int64_t width, std::int64_t rows, unsigned bitsPerPixel) {
    if (width < 0 || rows < 0) return std::nullopt;
    const auto stride = rowBytes(static_cast<std::size_t>(width), bitsPerPixel, 4);
    if (!stride) return std::nullopt;
    const auto size = checkedProduct(*stride, static_cast<std::size_t>(rows));
    if (!size || offset > bytes.size() || *size > bytes.size() - offset) return std::nullopt;
    return DibRows(bytes.subspan(offset, *size), *stride, offset + *size);
}

void unpackDibRow(std::span<const std::uint8_t> row, unsigned bitsPerPixel, const Palette& palette,
                  QRgb* out, int width) {
    if (bitsPerPixel <= 8)
        unpackIndexedRow(row, bitsPerPixel, palette, out, width);
    else
        unpackDirectRow(row, bitsPerPixel / 8, out, width);
}

}  // namespace brontel
