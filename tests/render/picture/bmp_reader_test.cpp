#include <gtest/gtest.h>

#include "render/decoded_picture.h"
#include "render/picture/image_compare.h"
#include "render/picture/sample_pictures.h"

namespace brontel {
namespace {

using samples::BmpLayout;

QImage sourceFor(int bitsPerPixel, int width, int height) {
    if (bitsPerPixel > 8) return samples::rgbPattern(width, height);
    return samples::indexedPattern(width, height, 1 << bitsPerPixel);
}

TEST(BmpReader, DecodesEveryDepthAndHeaderVersionBothWaysUp) {
    for (const int bits : {1, 4, 8, 24, 32}) {
        for (const int header : {12, 40, 108, 124}) {
            for (const bool topDown : {false, true}) {
                if (topDown && header == 12) continue;  // the old header has no sign
                // Widths that end rows mid-byte and need padding to four bytes.
                for (const QSize size : {QSize(1, 1), QSize(13, 7), QSize(33, 4)}) {
                    const QImage source = sourceFor(bits, size.width(), size.height());
                    const Bytes file = samples::bmpFile(source, {bits, header, topDown});
                    const auto picture = decodePicture(file);
                    SCOPED_TRACE(testing::Message() << bits << " bits, header " << header
                                                    << (topDown ? ", top-down " : " ")
                                                    << size.width() << "x" << size.height());
                    ASSERT_TRUE(picture);
                    EXPECT_EQ(picture->kind, PictureKind::Bmp);
                    EXPECT_EQ(picture->image.format(), QImage::Format_RGB32);
                    EXPECT_TRUE(samePixels(picture->image, source));
                }
            }
        }
    }
}

TEST(BmpReader, IndicesBeyondAShortPaletteAreBlack) {
    const QImage source = samples::indexedPattern(9, 3, 6);
    const Bytes file = samples::bmpFile(source, {8, 40, false, 4});
    const auto picture = decodePicture(file);
    ASSERT_TRUE(picture);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 9; ++x) {
            const int index = source.pixelIndex(x, y);
            const QRgb expected = index < 4 ? source.color(index) : qRgb(0, 0, 0);
            EXPECT_EQ(picture->image.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(BmpReader, RefusesCompressionAndOtherDepths) {
    constexpr std::size_t kDepth = 28, kCompression = 30;
    struct Case {
        const char* name;
        unsigned bits;
        unsigned compression;
    };
    const Case cases[] = {
        {"run-length 8", 8, 1}, {"run-length 4", 4, 2}, {"bit fields", 32, 3},
        {"16 bits", 16, 0},     {"2 bits", 2, 0},       {"64 bits", 64, 0},
    };
    for (const Case& c : cases) {
        Bytes file = samples::bmpFile(samples::rgbPattern(4, 4), {32});
        samples::putU16(file, kDepth, c.bits);
        samples::putU32(file, kCompression, c.compression);
        const PictureResult result = readPicture(file);
        ASSERT_TRUE(std::holds_alternative<PictureError>(result)) << c.name;
        EXPECT_EQ(std::get<PictureError>(result), PictureError::Unsupported) << c.name;
    }
}

}  // namespace
}  // namespace brontel
