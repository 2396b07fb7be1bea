#include <gtest/gtest.h>

#include "render/decoded_picture.h"
#include "render/picture/image_compare.h"
#include "render/picture/sample_pictures.h"

namespace brontel {
namespace {

TEST(PcxReader, Decodes256ColourFilesWithRunsAcrossLines) {
    // Odd widths pad each line; a one-colour area makes runs that cross line ends.
    for (const QSize size : {QSize(1, 1), QSize(7, 5), QSize(64, 9), QSize(130, 3)}) {
        QImage source = samples::indexedPattern(size.width(), size.height(), 256);
        for (int x = 0; x < size.width(); ++x) source.setPixel(x, size.height() - 1, 200);
        const auto picture = decodePicture(samples::pcx256File(source));
        ASSERT_TRUE(picture) << size.width() << "x" << size.height();
        EXPECT_EQ(picture->kind, PictureKind::Pcx256);
        EXPECT_EQ(picture->image.format(), QImage::Format_RGB32);
        EXPECT_TRUE(samePixels(picture->image, source)) << size.width() << "x" << size.height();
    }
}

TEST(PcxReader, DecodesOneBitFilesAsBlackAndWhite) {
    for (const QSize size : {QSize(1, 1), QSize(9, 4), QSize(40, 17)}) {
        QImage source = samples::indexedPattern(size.width(), size.height(), 2);
        source.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        const auto picture = decodePicture(samples::pcxMonoFile(source));
        ASSERT_TRUE(picture) << size.width() << "x" << size.height();
        EXPECT_EQ(picture->kind, PictureKind::PcxMono);
        EXPECT_TRUE(samePixels(picture->image, source)) << size.width() << "x" << size.height();
    }
}

TEST(PcxReader, ReadsALiteralByteWithBothHighBitsAsARunOfOne) {
    QImage source = samples::indexedPattern(4, 1, 256);
    for (int x = 0; x < 4; ++x) source.setPixel(x, 0, 0xC0 + x * 0x10);
    const Bytes file = samples::pcx256File(source);
    const auto picture = decodePicture(file);
    ASSERT_TRUE(picture);
    EXPECT_TRUE(samePixels(picture->image, source));
}

}  // namespace
}  // namespace brontel
