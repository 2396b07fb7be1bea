#pragma once

#include <QColor>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <variant>

#include "render/decoded_picture.h"
#include "render/picture/palette.h"

namespace brontel {

// The header of a device-independent bitmap, the body of both BMP files and icon entries.
struct DibHeader {
    std::uint32_t headerBytes = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;  // as stored: negative when the rows run top-down
    unsigned bitsPerPixel = 0;
    std::uint32_t coloursUsed = 0;
    unsigned paletteEntryBytes = 4;  // the old 12-byte header stores 3-byte entries
};

// Reads the header at the start of `dib`. Only uncompressed 1, 4, 8, 24 and 32-bit bitmaps
// are read: other depths and any compression are Unsupported.
std::variant<DibHeader, PictureError> readDibHeader(std::span<const std::uint8_t> dib);

// Bytes of the palette that follows the header.
std::size_t dibPaletteBytes(const DibHeader& header);

// The palette after the header; nothing when the bytes end inside it.
std::optional<Palette> readDibPalette(std::span<const std::uint8_t> dib, const DibHeader& header);

// Rows of bitmap data, each padded to four bytes, as stored (bottom-up unless told otherwise).
class DibRows {
public:
    // The `rows` rows of a bitmap `width` pixels wide at `offset` in `bytes`; nothing when
    // the bytes end before the last row.
    static std::optional<DibRows> at(std::span<const std::uint8_t> bytes, std::size_t offset,
                                     std::int64_t width, std::int64_t rows, unsigned bitsPerPixel);

    std::span<const std::uint8_t> row(std::size_t index) const {
        return bytes_.subspan(index * stride_, stride_);
    }
    // Where the rows end in the bytes they were found in.
    std::size_t end() const { return end_; }

private:
    DibRows(std::span<const std::uint8_t> bytes, std::size_t stride, std::size_t end)
        : bytes_(bytes), stride_(stride), end_(end) {}

    std::span<const std::uint8_t> bytes_;
    std::size_t stride_;
    std::size_t end_;
};

// Unpacks one row of `width` pixels into opaque colours; a 32-bit row's fourth byte is
// ignored. `row` holds at least the row's bytes.
void unpackDibRow(std::span<const std::uint8_t> row, unsigned bitsPerPixel, const Palette& palette,
                  QRgb* out, int width);

}  // namespace brontel
