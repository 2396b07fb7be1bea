#include "render/picture/sample_dib.h"
#include "render/picture/sample_pictures.h"

namespace brontel::samples {
namespace {

void writeInfoHeader(ByteWriter& out, const QImage& image, const BmpLayout& layout) {
    out.u32(static_cast<std::uint32_t>(layout.headerBytes));
    if (layout.headerBytes == 12) {
        out.u16(image.width());
        out.u16(image.height());
        out.u16(1);
        out.u16(layout.bitsPerPixel);
        return;
    }
    out.u32(static_cast<std::uint32_t>(image.width()));
    out.u32(static_cast<std::uint32_t>(layout.topDown ? -image.height() : image.height()));
    out.u16(1);
    out.u16(layout.bitsPerPixel);
    out.u32(0);  // uncompressed
    out.u32(0);  // image size, may be 0 when uncompressed
    out.u32(2835);
    out.u32(2835);
    out.u32(static_cast<std::uint32_t>(layout.paletteEntries));
    out.u32(0);
    out.fill(static_cast<std::size_t>(layout.headerBytes - 40), 0);  // masks, colour space
}

int paletteEntries(const QImage& image, const BmpLayout& layout) {
    if (layout.bitsPerPixel > 8) return 0;
    return layout.paletteEntries ? layout.paletteEntries : image.colorCount();
}

void writePalette(ByteWriter& out, const QImage& image, const BmpLayout& layout) {
    for (int i = 0; i < paletteEntries(image, layout); ++i) {
        const QRgb c = i < image.colorCount() ? image.color(i) : 0;
        out.u8(qBlue(c));
        out.u8(qGreen(c));
        out.u8(qRed(c));
        if (layout.headerBytes != 12) out.u8(0);
    }
}

}  // namespace

void writeDibRow(ByteWriter& out, const QImage& image, int y, int bits, bool alphaByte) {
    const std::size_t start = out.size();
    if (bits <= 8) {
        unsigned acc = 0, used = 0;
        for (int x = 0; x < image.width(); ++x) {
            acc = acc << bits | image.pixelIndex(x, y);
            used += static_cast<unsigned>(bits);
            if (used == 8) out.u8(acc), acc = used = 0;
        }
        if (used) out.u8(acc << (8 - used));
    } else {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            out.u8(qBlue(c));
            out.u8(qGreen(c));
            out.u8(qRed(c));
            if (bits == 32) out.u8(alphaByte ? qAlpha(c) : 0x5A);
        }
    }
    while ((out.size() - start) % 4) out.u8(0);
}

Bytes bmpFile(const QImage& image, const BmpLayout& layout) {
    ByteWriter out;
    const int paletteEntrySize = layout.headerBytes == 12 ? 3 : 4;
    const std::uint32_t pixelOffset = static_cast<std::uint32_t>(
        14 + layout.headerBytes + paletteEntries(image, layout) * paletteEntrySize);
    out.u8('B');
    out.u8('M');
    out.u32(0);  // file size, fixed below
    out.u32(0);
    out.u32(pixelOffset);
    writeInfoHeader(out, image, layout);
    writePalette(out, image, layout);
    for (int i = 0; i < image.height(); ++i)
        writeDibRow(out, image, layout.topDown ? i : image.height() - 1 - i, layout.bitsPerPixel,
                    false);
    putU32(out.bytes(), 2, static_cast<std::uint32_t>(out.size()));
    return out.bytes();
}

}  // namespace brontel::samples
