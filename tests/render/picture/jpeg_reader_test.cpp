#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "render/decoded_picture.h"
#include "render/picture/image_compare.h"
#include "render/picture/sample_pictures.h"

namespace brontel {
namespace {

using samples::JpegColours;

QImage qtDecode(const Bytes& bytes) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "jpeg");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// Both go through the same libjpeg, so the pixels agree exactly.
TEST(JpegReader, DecodesGreyAndColourBaselineAndProgressiveAsLibjpegDoes) {
    const QImage source = samples::rgbPattern(37, 29);
    for (const auto colours : {JpegColours::Grey, JpegColours::Rgb}) {
        for (const bool progressive : {false, true}) {
            const Bytes file = samples::jpegFile(source, {colours, progressive});
            const auto picture = decodePicture(file);
            ASSERT_TRUE(picture);
            EXPECT_EQ(picture->kind, PictureKind::Jpeg);
            EXPECT_EQ(picture->image.format(), QImage::Format_RGB32);
            EXPECT_TRUE(samePixels(picture->image, qtDecode(file)))
                << (colours == JpegColours::Grey ? "grey" : "colour") << progressive;
        }
    }
}

// Flat 8x8 blocks of pure inks survive compression within a step or two.
TEST(JpegReader, ConvertsCmykInBothInkConventions) {
    struct Ink {
        QRgb cmyk;  // C, M, Y, K in the red, green, blue and alpha bytes, 0 = no ink
        QRgb rgb;
    };
    const Ink inks[] = {
        {qRgba(0, 0, 0, 0), qRgb(255, 255, 255)},   {qRgba(255, 0, 0, 0), qRgb(0, 255, 255)},
        {qRgba(0, 255, 0, 0), qRgb(255, 0, 255)},   {qRgba(0, 0, 255, 0), qRgb(255, 255, 0)},
        {qRgba(0, 0, 0, 255), qRgb(0, 0, 0)},       {qRgba(0, 0, 0, 128), qRgb(127, 127, 127)},
        {qRgba(128, 0, 0, 0), qRgb(127, 255, 255)},
    };
    for (const bool adobe : {true, false}) {
        QImage source(8 * std::size(inks), 8, QImage::Format_ARGB32);
        for (std::size_t i = 0; i < std::size(inks); ++i) {
            const QRgb ink = inks[i].cmyk;
            // Adobe's files store ink inverted: 255 is no ink.
            const QRgb stored = adobe ? qRgba(255 - qRed(ink), 255 - qGreen(ink), 255 - qBlue(ink),
                                              255 - qAlpha(ink))
                                      : ink;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) source.setPixel(8 * static_cast<int>(i) + x, y, stored);
        }
        const auto colours = adobe ? JpegColours::CmykAdobe : JpegColours::CmykPlain;
        const auto picture = decodePicture(samples::jpegFile(source, {colours, false, 100}));
        ASSERT_TRUE(picture) << adobe;
        for (std::size_t i = 0; i < std::size(inks); ++i) {
            const QRgb got = picture->image.pixel(8 * static_cast<int>(i) + 4, 4);
            const QRgb want = inks[i].rgb;
            EXPECT_NEAR(qRed(got), qRed(want), 2) << adobe << " ink " << i;
            EXPECT_NEAR(qGreen(got), qGreen(want), 2) << adobe << " ink " << i;
            EXPECT_NEAR(qBlue(got), qBlue(want), 2) << adobe << " ink " << i;
        }
    }
}

TEST(JpegReader, ReadsAHundredScansAndRefusesMore) {
    const QImage source = samples::rgbPattern(16, 16);
    EXPECT_TRUE(decodePicture(samples::progressiveJpegWithScans(source, 100)));
    const PictureResult result = readPicture(samples::progressiveJpegWithScans(source, 101));
    ASSERT_TRUE(std::holds_alternative<PictureError>(result));
    EXPECT_EQ(std::get<PictureError>(result), PictureError::TooLarge);
}

}  // namespace
}  // namespace brontel
