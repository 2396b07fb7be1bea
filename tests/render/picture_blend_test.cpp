#include "render/picture_blend.h"

#include <gtest/gtest.h>

#include "render/surface.h"

namespace brontel {
namespace {

// The single-precision 1/255 weight lands a hair off whole numbers: several results are one
// below what exact arithmetic gives (exact values in the comments).
TEST(PictureBlend, ChannelFollowsTheSinglePrecisionRule) {
    struct Case {
        int pixel;
        int background;
        int alpha;
        int result;
    };
    const Case cases[] = {
        {0, 255, 1, 253},      // exactly 254
        {0, 255, 128, 126},    // exactly 127
        {10, 200, 51, 161},    // exactly 162
        {0, 255, 254, 0},      // exactly 1
        {255, 0, 128, 128},    //
        {200, 10, 51, 48},     //
        {255, 255, 100, 255},  //
        {17, 168, 0, 168},     // transparent: the background itself
    };
    for (const auto& c : cases)
        EXPECT_EQ(blendChannel(c.pixel, c.background, c.alpha), c.result)
            << c.pixel << " over " << c.background << " at alpha " << c.alpha;
}

TEST(PictureBlend, FlattensTranslucentPixelsAndKeepsOpaqueOnes) {
    QImage picture(3, 1, QImage::Format_ARGB32);
    picture.setPixel(0, 0, qRgba(0, 10, 200, 0));
    picture.setPixel(1, 0, qRgba(0, 10, 200, 51));
    picture.setPixel(2, 0, qRgba(1, 2, 3, 255));
    const Colour background = 0xFFA8FF;  // red 255, green 168, blue 255
    const QImage flat = flattenOver(picture, background);
    ASSERT_EQ(flat.format(), QImage::Format_RGB32);
    EXPECT_EQ(flat.pixel(0, 0), surfacePixel(background));
    EXPECT_EQ(flat.pixel(1, 0), qRgb(blendChannel(0, 255, 51), blendChannel(10, 168, 51),
                                     blendChannel(200, 255, 51)));
    EXPECT_EQ(flat.pixel(2, 0), qRgb(1, 2, 3));
}

TEST(PictureBlend, OpaquePicturesPassUnchanged) {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(qRgb(9, 8, 7));
    EXPECT_EQ(flattenOver(picture, 0x123456), picture);
}

}  // namespace
}  // namespace brontel
