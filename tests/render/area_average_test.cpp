#include "render/area_average.h"

#include <gtest/gtest.h>

namespace brontel {
namespace {

QImage rowOf(std::initializer_list<int> greys) {
    QImage image(static_cast<int>(greys.size()), 1, QImage::Format_RGB32);
    int x = 0;
    for (int grey : greys) image.setPixel(x++, 0, qRgb(grey, grey, grey));
    return image;
}

TEST(AreaAverage, CheckerShrunkToOnePixelIsItsMean) {
    QImage checker(2, 2, QImage::Format_RGB32);
    checker.setPixel(0, 0, qRgb(0, 0, 0));
    checker.setPixel(1, 1, qRgb(0, 0, 0));
    checker.setPixel(1, 0, qRgb(255, 100, 7));
    checker.setPixel(0, 1, qRgb(255, 100, 7));
    const QImage mean = areaAverage(checker, {1, 1}, QRect(0, 0, 1, 1));
    EXPECT_EQ(mean.pixel(0, 0), qRgb(128, 50, 4));  // 127.5, 50, 3.5 rounded half up
}

TEST(AreaAverage, WeighsPartlyCoveredPixelsByTheirShare) {
    // Three pixels into two: each result pixel covers one whole and one half source pixel.
    const QImage two = areaAverage(rowOf({0, 90, 180}), {2, 1}, QRect(0, 0, 2, 1));
    EXPECT_EQ(qRed(two.pixel(0, 0)), 30);   // (0 + 45) / 1.5
    EXPECT_EQ(qRed(two.pixel(1, 0)), 150);  // (45 + 180) / 1.5
    // Five into three: shares of 3/5 and 2/5 pixels.
    const QImage three = areaAverage(rowOf({0, 50, 100, 150, 250}), {3, 1}, QRect(0, 0, 3, 1));
    EXPECT_EQ(qRed(three.pixel(0, 0)), 20);   // (0 * 3 + 50 * 2) / 5
    EXPECT_EQ(qRed(three.pixel(1, 0)), 100);  // (50 + 100 * 3 + 150) / 5
    EXPECT_EQ(qRed(three.pixel(2, 0)), 210);  // (150 * 2 + 250 * 3) / 5
}

TEST(AreaAverage, SameSizeIsACopyAndAPartMatchesTheWhole) {
    QImage picture(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 7 % 256, y * 11 % 256, (x * y) % 256));
    EXPECT_EQ(areaAverage(picture, picture.size(), picture.rect()), picture);

    const QSize size{17, 10};
    const QImage whole = areaAverage(picture, size, QRect(QPoint(0, 0), size));
    const QRect part{5, 3, 9, 6};
    EXPECT_EQ(areaAverage(picture, size, part), whole.copy(part));
}

// A picture drawn at twice the density is shrunk straight from its own pixels: the result
// must be what shrinking its 2 x 2 enlargement would give, exactly.
TEST(AreaAverage, AnEnlargedPictureAveragesToTheSamePixels) {
    QImage picture(53, 31, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (y * 53) % 256));
    const QImage enlarged =
        picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (QSize size : {QSize(40, 20), QSize(17, 29), QSize(1, 1), QSize(52, 30)}) {
        const QRect whole(QPoint(0, 0), size);
        EXPECT_EQ(areaAverage(picture, size, whole), areaAverage(enlarged, size, whole))
            << size.width() << "x" << size.height();
    }
}

}  // namespace
}  // namespace brontel
