#include "export/bmp_encoder.h"

#include <gtest/gtest.h>

#include <QImage>
#include <random>

namespace brontel {
namespace {

std::uint32_t read16(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}

std::uint32_t read32(const Bytes& b, std::size_t at) {
    return read16(b, at) | (read16(b, at + 2) << 16);
}

QImage noiseImage(int width, int height, unsigned seed) {
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFFu));
    }
    return image;
}

struct SizeCase {
    int width;
    int height;
    std::uint32_t stride;
    std::uint32_t imageSize;
    std::uint32_t fileSize;
};

TEST(EncodeBmp, HeadersDescribeEverySize) {
    const SizeCase cases[] = {
        {270, 220, 812, 178640, 178694},  // the largest cell
        {1, 1, 4, 4, 58},                 // one fill byte per row
        {100, 50, 300, 15000, 15054},     // rows need no fill
        {3, 2, 12, 24, 78},
        {5, 7, 16, 112, 166},
    };
    for (const SizeCase& c : cases) {
        const Bytes file = encodeBmp(noiseImage(c.width, c.height, 1));
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        ASSERT_EQ(file.size(), c.fileSize);
        EXPECT_EQ(bmpStride(c.width), c.stride);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(read32(file, 2), c.fileSize);
        EXPECT_EQ(read32(file, 6), 0u);  // both reserved words
        EXPECT_EQ(read32(file, 10), 54u);
        EXPECT_EQ(read32(file, 14), 40u);
        EXPECT_EQ(static_cast<std::int32_t>(read32(file, 18)), c.width);
        EXPECT_EQ(static_cast<std::int32_t>(read32(file, 22)), c.height);  // positive: bottom-up
        EXPECT_EQ(read16(file, 26), 1u);
        EXPECT_EQ(read16(file, 28), 24u);
        EXPECT_EQ(read32(file, 30), 0u);
        EXPECT_EQ(read32(file, 34), c.imageSize);
        for (std::size_t at = 38; at < 54; at += 4) EXPECT_EQ(read32(file, at), 0u) << at;
    }
}

TEST(EncodeBmp, StoresBlueGreenRedBottomRowFirst) {
    QImage image(2, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0));  // top-left: pure red
    image.setPixel(0, 2, qRgb(0, 255, 0));  // bottom-left: the canvas green
    image.setPixel(1, 2, qRgb(1, 2, 3));
    const Bytes file = encodeBmp(image);
    const std::size_t stride = 8;
    ASSERT_EQ(file.size(), 54 + stride * 3);
    const Bytes bottomRow(file.begin() + 54, file.begin() + 54 + stride);
    EXPECT_EQ(bottomRow, (Bytes{0x00, 0xFF, 0x00, 3, 2, 1, 0, 0}));
    const std::size_t topLeft = 54 + stride * 2;
    EXPECT_EQ(Bytes(file.begin() + topLeft, file.begin() + topLeft + 3), (Bytes{0x00, 0x00, 0xFF}));
    EXPECT_EQ(file[topLeft + 6], 0);  // fill bytes stay zero under white pixels
    EXPECT_EQ(file[topLeft + 7], 0);
}

// Every width from 1 to 9 meets each way a row can end after the four-pixel packing.
TEST(EncodeBmp, EveryPixelLandsWhereAReaderLooksForIt) {
    for (int width = 1; width <= 9; ++width) {
        const QImage image = noiseImage(width, 4, static_cast<unsigned>(width));
        const Bytes file = encodeBmp(image);
        const std::size_t stride = static_cast<std::size_t>(bmpStride(width));
        ASSERT_EQ(file.size(), 54 + stride * 4);
        for (int y = 0; y < 4; ++y) {
            const std::size_t row = 54 + stride * static_cast<std::size_t>(3 - y);
            for (int x = 0; x < width; ++x) {
                const QRgb p = image.pixel(x, y);
                const std::size_t at = row + 3 * static_cast<std::size_t>(x);
                EXPECT_EQ(file[at], qBlue(p)) << width << " " << x << "," << y;
                EXPECT_EQ(file[at + 1], qGreen(p));
                EXPECT_EQ(file[at + 2], qRed(p));
            }
            for (std::size_t at = row + 3 * width; at < row + stride; ++at) EXPECT_EQ(file[at], 0);
        }
    }
}

TEST(EncodeBmp, QtReadsBackTheSameImage) {
    const QImage image = noiseImage(37, 11, 7);
    const Bytes file = encodeBmp(image);
    QImage decoded;
    ASSERT_TRUE(decoded.loadFromData(file.data(), static_cast<int>(file.size()), "BMP"));
    EXPECT_EQ(decoded.convertToFormat(QImage::Format_RGB32), image);
}

TEST(EncodeBmp, OtherFormatsGiveTheirColoursAndIgnoreAlpha) {
    const QImage rgb = noiseImage(6, 5, 3);
    QImage seeThrough = rgb.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) seeThrough.setPixel(x, y, seeThrough.pixel(x, y) & 0x00FFFFFFu);
    }
    const Bytes expected = encodeBmp(rgb);
    EXPECT_EQ(encodeBmp(rgb.convertToFormat(QImage::Format_RGB888)), expected);
    EXPECT_EQ(encodeBmp(seeThrough), expected);
}

TEST(EncodeBmp, AnImageWithoutPixelsGivesNothing) {
    EXPECT_TRUE(encodeBmp(QImage()).empty());
    EXPECT_TRUE(encodeBmp(QImage(0, 5, QImage::Format_RGB32)).empty());
}

}  // namespace
}  // namespace brontel
