#include "render/picture/sample_pictures.h"

namespace brontel::samples {
namespace {

void writeHeader(ByteWriter& out, const QImage& image, int version, int bits, int bytesPerLine) {
    out.u8(0x0A);
    out.u8(version);
    out.u8(1);  // run-length encoded
    out.u8(bits);
    out.u16(0);
    out.u16(0);
    out.u16(image.width() - 1);
    out.u16(image.height() - 1);
    out.u16(72);
    out.u16(72);
    out.fill(48, 0);  // 16-colour palette
    out.u8(0);
    out.u8(1);  // planes
    out.u16(bytesPerLine);
    out.u16(1);
    out.fill(128 - out.size(), 0);
}

}  // namespace

Bytes pcxRuns(std::span<const std::uint8_t> data) {
    ByteWriter out;
    for (std::size_t i = 0; i < data.size();) {
        std::size_t run = 1;
        while (i + run < data.size() && run < 63 && data[i + run] == data[i]) ++run;
        if (run > 1 || data[i] >= 0xC0) out.u8(0xC0 | static_cast<unsigned>(run));
        out.u8(data[i]);
        i += run;
    }
    return out.bytes();
}

Bytes pcx256File(const QImage& image) {
    const int bytesPerLine = (image.width() + 1) & ~1;  // lines are an even number of bytes
    std::vector<std::uint8_t> lines;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < bytesPerLine; ++x)
            lines.push_back(x < image.width() ? static_cast<std::uint8_t>(image.pixelIndex(x, y))
                                              : 0);
    }
    ByteWriter out;
    writeHeader(out, image, 5, 8, bytesPerLine);
    out.append(pcxRuns(lines));
    out.u8(0x0C);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < image.colorCount() ? image.color(i) : 0;
        out.u8(qRed(c));
        out.u8(qGreen(c));
        out.u8(qBlue(c));
    }
    return out.bytes();
}

Bytes pcxMonoFile(const QImage& image) {
    const int bytesPerLine = ((image.width() + 15) / 16) * 2;
    std::vector<std::uint8_t> lines;
    for (int y = 0; y < image.height(); ++y) {
        for (int b = 0; b < bytesPerLine; ++b) {
            unsigned byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int x = b * 8 + bit;
                byte = byte << 1 | (x < image.width() && image.pixelIndex(x, y) == 1);
            }
            lines.push_back(static_cast<std::uint8_t>(byte));
        }
    }
    ByteWriter out;
    writeHeader(out, image, 3, 1, bytesPerLine);
    out.append(pcxRuns(lines));
    return out.bytes();
}

}  // namespace brontel::samples
