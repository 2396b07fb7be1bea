#include <gtest/gtest.h>

#include "render/decoded_picture.h"
#include "render/picture/image_compare.h"
#include "render/picture/sample_pictures.h"

namespace brontel {
namespace {

using samples::IconEntrySample;

// A source whose pixels on a diagonal band are transparent, as its mask will say.
QImage maskedSource(int bitsPerPixel, int size) {
    if (bitsPerPixel <= 8) {
        QImage image = samples::indexedPattern(size, size, 1 << bitsPerPixel);
        image.setColor(1, qRgba(0, 0, 0, 0));
        return image;
    }
    QImage image = samples::rgbPattern(size, size).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if ((x + y) % 5 == 0) image.setPixel(x, y, 0);
        }
    }
    return image;
}

// What the reader shows: masked pixels fully transparent, every other pixel opaque.
QImage expectedIcon(const QImage& source) {
    QImage expected = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb c = expected.pixel(x, y);
            expected.setPixel(x, y, qAlpha(c) == 0 ? 0 : (c | 0xFF000000));
        }
    }
    return expected;
}

TEST(IconReader, DecodesEveryDepthWithItsMask) {
    for (const int bits : {1, 4, 8, 24, 32}) {
        for (const int size : {16, 21, 32}) {
            const QImage source = maskedSource(bits, size);
            const auto picture = decodePicture(samples::iconFile({{source, bits}}));
            ASSERT_TRUE(picture) << bits << " bits, " << size;
            EXPECT_EQ(picture->kind, PictureKind::Icon);
            EXPECT_EQ(picture->image.format(), QImage::Format_ARGB32);
            EXPECT_TRUE(samePixels(picture->image, expectedIcon(source)))
                << bits << " bits, " << size;
        }
    }
}

TEST(IconReader, TheMaskAloneDecidesTransparencyOfA32BitImage) {
    QImage source = maskedSource(32, 8);
    source.setPixel(3, 3, qRgba(10, 20, 30, 128));  // half alpha, mask clear
    const auto picture = decodePicture(samples::iconFile({{source, 32}}));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image.pixel(3, 3), qRgba(10, 20, 30, 255));
}

TEST(IconReader, ChoosesTheFirst32PixelEntryOfSixteenOrMoreColoursElseTheLast) {
    // Mirrored entries tell apart entries of the same size and depth.
    const auto entry = [](int size, int bits, int colourByte = -1, bool mirrored = false) {
        const QImage image = maskedSource(bits, size);
        return IconEntrySample{mirrored ? image.mirrored(true, false) : image, bits, false, -1,
                               colourByte};
    };
    struct Case {
        const char* name;
        std::vector<IconEntrySample> entries;
        std::size_t chosen;
    };
    const Case cases[] = {
        {"16x16 and 32x32 of 16 colours", {entry(16, 4), entry(32, 4)}, 1},
        {"only 48x48 true colour", {entry(48, 32), entry(48, 32, -1, true)}, 1},
        {"32x32 of 256 colours counts 0 colours", {entry(32, 8), entry(16, 4)}, 1},
        {"32x32 of 2 colours is too few", {entry(32, 1), entry(48, 32)}, 1},
        {"the first qualifying entry wins",
         {entry(16, 4), entry(32, 4), entry(32, 4, 255, true)},
         1},
        {"a colour byte above 16 qualifies", {entry(32, 8, 200), entry(48, 32)}, 0},
        {"a single entry", {entry(24, 24)}, 0},
    };
    for (const Case& c : cases) {
        const auto picture = decodePicture(samples::iconFile(c.entries));
        ASSERT_TRUE(picture) << c.name;
        EXPECT_TRUE(samePixels(picture->image, expectedIcon(c.entries[c.chosen].image))) << c.name;
    }
}

TEST(IconReader, TakesItsSizeFromTheBitmapNotTheDirectory) {
    const QImage source = maskedSource(24, 20);
    const auto picture = decodePicture(samples::iconFile({{source, 24, false, 32, 16}}));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image.size(), QSize(20, 20));
}

TEST(IconReader, ReadsAnEntryStoredAsPngWithItsAlpha) {
    QImage source = samples::rgbPattern(32, 32).convertToFormat(QImage::Format_ARGB32);
    source.setPixel(4, 5, qRgba(200, 100, 50, 128));
    source.setPixel(6, 7, qRgba(1, 2, 3, 0));
    const auto picture = decodePicture(samples::iconFile({{source, 32, true}}));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->kind, PictureKind::Icon);
    EXPECT_TRUE(samePixels(picture->image, source));
}

TEST(IconReader, ReadsCursorsAsIcons) {
    const QImage source = maskedSource(4, 32);
    const auto picture = decodePicture(samples::iconFile({{source, 4}}, true));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->kind, PictureKind::Cursor);
    EXPECT_TRUE(samePixels(picture->image, expectedIcon(source)));
}

}  // namespace
}  // namespace brontel
