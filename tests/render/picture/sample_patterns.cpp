#include "render/picture/sample_pictures.h"

namespace brontel::samples {

void putU16(Bytes& bytes, std::size_t offset, unsigned value) {
    bytes.at(offset) = static_cast<std::uint8_t>(value);
    bytes.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
}

void putU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    putU16(bytes, offset, value & 0xFFFF);
    putU16(bytes, offset + 2, value >> 16);
}

QImage indexedPattern(int width, int height, int colours) {
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    // Odd multipliers make every channel a permutation of the index: all colours differ.
    for (int i = 0; i < colours; ++i)
        table.append(qRgb((i * 37 + 11) & 255, (i * 91 + 7) & 255, (i * 53 + 200) & 255));
    image.setColorTable(table);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, (x * 5 + y * 3 + x * y) % colours);
    }
    return image;
}

QImage rgbPattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(
                x, y, qRgb((x * 7 + y * 3) & 255, (x * y + 5 * y) & 255, ((x ^ y) * 11) & 255));
    }
    return image;
}

}  // namespace brontel::samples
