#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include "render/decoded_picture.h"
#include "render/picture/image_compare.h"
#include "render/picture/sample_pictures.h"

namespace brontel {
namespace {

// Our readers against Qt's on the same generated files: any difference is a fault in one
// of them, and these files hold nothing the two are meant to treat differently.
QImage qtDecode(const Bytes& bytes, const char* format) {
    QByteArray data(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer, format);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

QImage ourDecode(const Bytes& bytes) {
    const auto picture = decodePicture(bytes);
    return picture ? picture->image.convertToFormat(QImage::Format_ARGB32) : QImage();
}

// Transparent pixels compare by alpha alone: what colour hides under alpha 0 is free.
QImage clearTransparent(QImage image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0) image.setPixel(x, y, 0);
        }
    }
    return image;
}

const QSize kSizes[] = {{1, 1}, {5, 3}, {16, 16}, {31, 17}, {64, 40}};

TEST(PictureDifferential, BmpAgreesWithQt) {
    for (const int bits : {1, 4, 8, 24, 32}) {
        for (const int header : {12, 40, 124}) {
            for (const QSize size : kSizes) {
                const QImage source =
                    bits > 8 ? samples::rgbPattern(size.width(), size.height())
                             : samples::indexedPattern(size.width(), size.height(), 1 << bits);
                const Bytes file = samples::bmpFile(source, {bits, header});
                const QImage qt = qtDecode(file, "bmp");
                ASSERT_FALSE(qt.isNull());
                EXPECT_TRUE(samePixels(ourDecode(file), qt))
                    << bits << " bits, header " << header << ", " << size.width() << "x"
                    << size.height();
            }
        }
    }
}

TEST(PictureDifferential, GifAgreesWithQt) {
    for (const int colours : {2, 16, 256}) {
        for (const bool interlaced : {false, true}) {
            for (const QSize size : kSizes) {
                // Qt misplaces the rows of interlaced images less than 5 rows high.
                if (interlaced && size.height() < 5) continue;
                const QImage source = samples::indexedPattern(size.width(), size.height(), colours);
                const Bytes file = samples::gifFile(source, {.interlaced = interlaced});
                const QImage qt = qtDecode(file, "gif");
                ASSERT_FALSE(qt.isNull());
                EXPECT_TRUE(samePixels(ourDecode(file), qt))
                    << colours << " colours " << interlaced << ", " << size.width() << "x"
                    << size.height();
            }
        }
    }
}

// Enough poorly compressible pixels to fill the code table several times over.
TEST(PictureDifferential, GifWithAFullCodeTableAgreesWithQt) {
    const QImage source = samples::indexedPattern(150, 100, 256);
    for (const bool clearWhenFull : {true, false}) {
        const Bytes file = samples::gifFile(source, {.clearWhenFull = clearWhenFull});
        const QImage qt = qtDecode(file, "gif");
        ASSERT_FALSE(qt.isNull());
        EXPECT_TRUE(samePixels(ourDecode(file), qt)) << clearWhenFull;
    }
}

TEST(PictureDifferential, IconAgreesWithQt) {
    for (const int bits : {1, 4, 8, 24, 32}) {
        for (const QSize size : kSizes) {
            QImage source = bits > 8
                                ? samples::rgbPattern(size.width(), size.height())
                                      .convertToFormat(QImage::Format_ARGB32)
                                : samples::indexedPattern(size.width(), size.height(), 1 << bits);
            // Qt leaves a 24-bit entry's mask unapplied; masks are compared at the other depths.
            if (bits <= 8)
                source.setColor(0, qRgba(0, 0, 0, 0));
            else if (bits == 32)
                source.setPixel(0, 0, 0);
            const Bytes file = samples::iconFile({{source, bits}});
            const QImage qt = qtDecode(file, "ico");
            ASSERT_FALSE(qt.isNull());
            EXPECT_TRUE(samePixels(clearTransparent(ourDecode(file)), clearTransparent(qt)))
                << bits << " bits, " << size.width() << "x" << size.height();
        }
    }
}

}  // namespace
}  // namespace brontel
