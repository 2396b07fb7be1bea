#include <gtest/gtest.h>

#include "render/decoded_picture.h"
#include "render/picture/image_compare.h"
#include "render/picture/sample_pictures.h"

namespace brontel {
namespace {

using samples::PngLayout;

// Grey levels a depth of `bits` reaches exactly.
int greyLevel(int x, int y, int bits) {
    const int top = (1 << std::min(bits, 8)) - 1;
    return (x * 3 + y * 5) % (top + 1) * 255 / top;
}

// A source holding only what the colour type and depth store exactly.
QImage sourceFor(const PngLayout& layout) {
    const bool grey = !(layout.colourType & 2);
    const bool alpha = layout.colourType & 4;
    QImage image(19, 11, QImage::Format_ARGB32);
    const QImage colours = samples::rgbPattern(19, 11);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int g = greyLevel(x, y, layout.bitDepth);
            const QRgb c = grey ? qRgb(g, g, g) : colours.pixel(x, y);
            image.setPixel(x, y,
                           qRgba(qRed(c), qGreen(c), qBlue(c), alpha ? (x * 37 + y) % 256 : 255));
        }
    }
    return image;
}

TEST(PngReader, DecodesEveryColourTypeAndDepthWithStraightAlpha) {
    const PngLayout layouts[] = {
        {0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {4, 8}, {4, 16}, {6, 8}, {6, 16},
    };
    for (PngLayout layout : layouts) {
        for (const bool interlaced : {false, true}) {
            layout.interlaced = interlaced;
            const QImage source = sourceFor(layout);
            const auto picture = decodePicture(samples::pngFile(source, layout));
            SCOPED_TRACE(testing::Message()
                         << "type " << layout.colourType << ", " << layout.bitDepth << " bits"
                         << (interlaced ? ", interlaced" : ""));
            ASSERT_TRUE(picture);
            EXPECT_EQ(picture->kind, PictureKind::Png);
            EXPECT_EQ(picture->image.format(), QImage::Format_ARGB32);
            EXPECT_TRUE(samePixels(picture->image, source));
        }
    }
}

TEST(PngReader, GivesPaletteTransparencyAsAlpha) {
    for (const int bits : {1, 2, 4, 8}) {
        for (const bool interlaced : {false, true}) {
            QImage source = samples::indexedPattern(13, 9, 1 << bits);
            source.setColor(0, qRgba(10, 20, 30, 0));
            if (bits > 1) source.setColor(2, qRgba(200, 100, 50, 77));
            const auto picture = decodePicture(samples::pngFile(source, {3, bits, interlaced}));
            ASSERT_TRUE(picture) << bits << interlaced;
            EXPECT_TRUE(samePixels(picture->image, source)) << bits << " bits " << interlaced;
        }
    }
}

TEST(PngReader, GivesATransparentColourAsAlphaZero) {
    for (const int type : {0, 2}) {
        QImage source = sourceFor({type, 8});
        const QRgb key = source.pixel(0, 0) & 0x00FFFFFF;
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                if ((source.pixel(x, y) & 0x00FFFFFF) == key) source.setPixel(x, y, key);
            }
        }
        const auto picture = decodePicture(samples::pngFile(source, {type, 8}));
        ASSERT_TRUE(picture) << type;
        EXPECT_TRUE(samePixels(picture->image, source)) << type;
    }
}

}  // namespace
}  // namespace brontel
