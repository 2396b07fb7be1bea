#include "export/png_encoder.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColorSpace>
#include <QImage>
#include <random>
#include <string>
#include <utility>

namespace brontel {
namespace {

// Straight colours under every kind of alpha: opaque, none, and partial.
QImage translucentNoise(int width, int height, unsigned seed) {
    QImage image(width, height, QImage::Format_ARGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, static_cast<QRgb>(random()));
    }
    image.setPixel(0, 0, 0x00FFA8FFu);
    image.setPixel(1, 0, 0xFF00FF00u);
    return image;
}

QImage decoded(const Bytes& file) {
    return QImage::fromData(
        QByteArray(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size())),
        "PNG");
}

// Where the named chunk's data starts, or npos.
std::size_t chunkData(const Bytes& file, const char* type) {
    const std::string bytes(file.begin(), file.end());
    const std::size_t at = bytes.find(type);
    return at == std::string::npos ? at : at + 4;
}

std::uint32_t bigEndian32(const Bytes& file, std::size_t at) {
    return (std::uint32_t{file[at]} << 24) | (file[at + 1] << 16) | (file[at + 2] << 8) |
           file[at + 3];
}

TEST(EncodePng, KeepsEveryPixelWithItsStraightAlpha) {
    for (QSize size : {QSize(270, 220), QSize(1, 1), QSize(540, 440), QSize(3, 7)}) {
        const QImage image = translucentNoise(size.width(), size.height(), size.width());
        const QImage back = decoded(encodePng(image));
        ASSERT_EQ(back.size(), size);
        EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32), image) << size.width();
    }
}

// Byte 25 of a PNG file is the colour type of its header: 6 colour with alpha, 2 colour.
TEST(EncodePng, WritesAlphaOnlyForImagesThatHaveIt) {
    const struct {
        QImage::Format format;
        int colourType;
    } cases[] = {{QImage::Format_ARGB32, 6}, {QImage::Format_RGB32, 2}};
    for (const auto& c : cases) {
        QImage image(4, 3, c.format);
        image.fill(qRgb(10, 20, 30));
        const Bytes file = encodePng(image);
        ASSERT_GT(file.size(), 33u);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(file.data()), 8),
                  QByteArray("\x89PNG\r\n\x1A\n"));
        EXPECT_EQ(file[24], 8);  // bits per channel
        EXPECT_EQ(file[25], c.colourType);
    }
}

TEST(EncodePng, TheSamePixelsGiveTheSameBytes) {
    QImage image = translucentNoise(64, 48, 3);
    image.setDotsPerMeterX(5000);
    image.setText("Comment", "from somewhere");
    image.setColorSpace(QColorSpace::SRgb);
    const Bytes file = encodePng(image);
    EXPECT_EQ(file, encodePng(translucentNoise(64, 48, 3)));
    for (const char* chunk : {"tIME", "tEXt", "zTXt", "iTXt", "gAMA", "iCCP", "sRGB", "cHRM"}) {
        EXPECT_EQ(chunkData(file, chunk), std::string::npos) << chunk;
    }
}

// 96 dots per inch are 3780 per metre; twice the pixels in the same inch, 7559.
TEST(EncodePng, StatesTheDesktopDensityTimesThePixelRatio) {
    const QImage image = translucentNoise(8, 8, 5);
    for (const auto& [ratio, dotsPerMetre] : {std::pair{1, 3780u}, std::pair{2, 7559u}}) {
        const Bytes file = encodePng(image, ratio);
        const std::size_t at = chunkData(file, "pHYs");
        ASSERT_NE(at, std::string::npos) << ratio;
        EXPECT_EQ(bigEndian32(file, at), dotsPerMetre);
        EXPECT_EQ(bigEndian32(file, at + 4), dotsPerMetre);
        EXPECT_EQ(file[at + 8], 1);  // the unit is the metre
        EXPECT_EQ(QImage::fromData(file.data(), static_cast<int>(file.size())).dotsPerMeterX(),
                  static_cast<int>(dotsPerMetre));
    }
}

TEST(EncodePng, AnImageWithoutPixelsGivesNoFile) {
    EXPECT_TRUE(encodePng(QImage()).empty());
}

}  // namespace
}  // namespace brontel
