#include "render/picture/sample_dib.h"
#include "render/picture/sample_pictures.h"

namespace brontel::samples {
namespace {

int defaultColourCount(int bitsPerPixel) {
    return bitsPerPixel <= 4 ? 1 << bitsPerPixel : 0;
}

void writeMaskRow(ByteWriter& out, const QImage& image, int y) {
    const std::size_t start = out.size();
    unsigned acc = 0, used = 0;
    for (int x = 0; x < image.width(); ++x) {
        acc = acc << 1 | (qAlpha(image.pixel(x, y)) == 0);
        if (++used == 8) out.u8(acc), acc = used = 0;
    }
    if (used) out.u8(acc << (8 - used));
    while ((out.size() - start) % 4) out.u8(0);
}

Bytes iconBitmap(const IconEntrySample& entry) {
    const QImage& image = entry.image;
    ByteWriter out;
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(image.width()));
    out.u32(static_cast<std::uint32_t>(image.height() * 2));  // image and mask
    out.u16(1);
    out.u16(entry.bitsPerPixel);
    out.fill(24, 0);
    if (entry.bitsPerPixel <= 8) {
        for (int i = 0; i < 1 << entry.bitsPerPixel; ++i) {
            const QRgb c = i < image.colorCount() ? image.color(i) : 0;
            out.u8(qBlue(c));
            out.u8(qGreen(c));
            out.u8(qRed(c));
            out.u8(0);
        }
    }
    for (int y = image.height() - 1; y >= 0; --y)
        writeDibRow(out, image, y, entry.bitsPerPixel, true);
    for (int y = image.height() - 1; y >= 0; --y) writeMaskRow(out, image, y);
    return out.bytes();
}

}  // namespace

Bytes iconFile(const std::vector<IconEntrySample>& entries, bool cursor) {
    std::vector<Bytes> images;
    for (const auto& entry : entries)
        images.push_back(entry.asPng ? pngFile(entry.image) : iconBitmap(entry));
    ByteWriter out;
    out.u16(0);
    out.u16(cursor ? 2 : 1);
    out.u16(static_cast<unsigned>(entries.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& entry = entries[i];
        out.u8(entry.widthByte >= 0 ? entry.widthByte : entry.image.width() & 0xFF);
        out.u8(entry.image.height() & 0xFF);
        out.u8(entry.colourCountByte >= 0 ? entry.colourCountByte
                                          : defaultColourCount(entry.bitsPerPixel));
        out.u8(0);
        out.u16(cursor ? 3 : 1);  // hot spot x, or planes
        out.u16(cursor ? 5 : entry.bitsPerPixel);
        out.u32(static_cast<std::uint32_t>(images[i].size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const auto& image : images) out.append(image);
    return out.bytes();
}

}  // namespace brontel::samples
