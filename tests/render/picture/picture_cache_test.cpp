#include "render/picture_cache.h"

#include <gtest/gtest.h>

#include "render/picture/image_compare.h"
#include "render/picture/sample_pictures.h"

namespace brontel {
namespace {

TEST(PictureCache, DecodesOncePerRevision) {
    const QImage first = samples::rgbPattern(6, 5);
    const Bytes firstFile = samples::bmpFile(first);
    const Bytes secondFile = samples::bmpFile(samples::rgbPattern(3, 3));
    PictureCache cache;
    const auto& decoded = cache.pictureFor(firstFile, 7);
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(samePixels(decoded->image, first));
    // Same revision: the cached picture stands, whatever bytes come with it.
    EXPECT_EQ(cache.pictureFor(secondFile, 7)->image.size(), QSize(6, 5));
    EXPECT_EQ(cache.pictureFor(secondFile, 8)->image.size(), QSize(3, 3));
}

TEST(PictureCache, KeepsNoPictureForBytesThatAreNone) {
    const Bytes text = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};
    PictureCache cache;
    EXPECT_FALSE(cache.pictureFor(text, 1));
    EXPECT_FALSE(cache.pictureFor(samples::bmpFile(samples::rgbPattern(2, 2)), 1));
    EXPECT_FALSE(cache.pictureFor({}, 2));
    EXPECT_TRUE(cache.pictureFor(samples::bmpFile(samples::rgbPattern(2, 2)), 3));
}

TEST(PictureCache, DecodesOnFirstUseEvenAtRevisionZero) {
    PictureCache cache;
    EXPECT_TRUE(cache.pictureFor(samples::bmpFile(samples::rgbPattern(2, 2)), 0));
}

}  // namespace
}  // namespace brontel
