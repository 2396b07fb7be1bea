#include "export/rounded_region.h"

#include <gtest/gtest.h>

#include <QRegion>
#include <algorithm>

namespace brontel {
namespace {

// The pixel rule stated with radii and the corner's own ellipse centre, in quarter pixels
// so that every product is exact.
bool centreInside(int width, int height, int diameter, int x, int y) {
    const double rx = std::min(std::max(diameter, 0), width) / 2.0;
    const double ry = std::min(std::max(diameter, 0), height) / 2.0;
    const double cx = std::min(x + 0.5, width - (x + 0.5));
    const double cy = std::min(y + 0.5, height - (y + 0.5));
    if (cx < 0 || cy < 0) return false;
    if (cx >= rx || cy >= ry) return true;
    const double ex = (cx - rx) * ry;
    const double ey = (cy - ry) * rx;
    return ex * ex + ey * ey <= rx * rx * ry * ry;
}

struct Shape {
    int width;
    int height;
    int diameter;
};

const Shape kShapes[] = {
    {270, 220, 0},   {270, 220, 40}, {270, 220, 41}, {100, 220, 40},  {9, 7, 5},
    {10, 10, 10},    {1, 1, 1},      {2, 9, 9},      {270, 220, 220}, {270, 220, 500},
    {100, 50, 1000}, {31, 17, -4},   {64, 48, 3},    {5, 200, 60},    {270, 220, 270},
};

TEST(RoundedRegion, EveryPixelFollowsTheCentreRule) {
    for (const Shape& s : kShapes) {
        const RoundedRegion region(s.width, s.height, s.diameter);
        for (int y = -1; y <= s.height; ++y) {
            for (int x = -1; x <= s.width; ++x) {
                ASSERT_EQ(region.contains(x, y), centreInside(s.width, s.height, s.diameter, x, y))
                    << s.width << "x" << s.height << " d " << s.diameter << " at " << x << "," << y;
            }
        }
    }
}

TEST(RoundedRegion, IsMirrorSymmetric) {
    for (const Shape& s : kShapes) {
        const RoundedRegion region(s.width, s.height, s.diameter);
        for (int y = 0; y < s.height; ++y) {
            for (int x = 0; x < s.width; ++x) {
                const bool inside = region.contains(x, y);
                ASSERT_EQ(region.contains(s.width - 1 - x, y), inside) << x << "," << y;
                ASSERT_EQ(region.contains(x, s.height - 1 - y), inside) << x << "," << y;
            }
        }
    }
}

TEST(RoundedRegion, SquareCornersCoverTheWholeRectangle) {
    for (int diameter : {0, -1, -1000}) {
        const RoundedRegion region(270, 220, diameter);
        for (int y = 0; y < 220; ++y) EXPECT_EQ(region.rowSpan(y), (RegionSpan{0, 270})) << y;
        EXPECT_FALSE(region.contains(270, 0));
        EXPECT_FALSE(region.contains(0, 220));
    }
}

TEST(RoundedRegion, CornersOfFortyCutQuarterCircles) {
    const RoundedRegion region(270, 220, 40);
    EXPECT_FALSE(region.contains(0, 0));
    EXPECT_FALSE(region.contains(5, 5));  // centre 20.5 from the circle's middle
    EXPECT_TRUE(region.contains(6, 6));   // centre 19.1 away
    EXPECT_EQ(region.rowSpan(15), (RegionSpan{1, 269}));
    EXPECT_EQ(region.rowSpan(16), (RegionSpan{0, 270}));
    EXPECT_EQ(region.rowSpan(0), (RegionSpan{16, 254}));
    EXPECT_EQ(region.rowSpan(219), (RegionSpan{16, 254}));
    EXPECT_EQ(region.rowSpan(110), (RegionSpan{0, 270}));
}

// A diameter beyond the sides makes the whole region one ellipse, each axis held on its own.
TEST(RoundedRegion, OversizedDiameterIsHeldToEachSide) {
    const RoundedRegion held(100, 50, 1000);
    const RoundedRegion exact(100, 50, 100);  // the same horizontal axis; vertical held at 50
    for (int y = 0; y < 50; ++y) EXPECT_EQ(held.rowSpan(y), exact.rowSpan(y)) << y;
    EXPECT_EQ(held.rowSpan(24), (RegionSpan{0, 100}));
    EXPECT_GT(held.rowSpan(0).left, 30);
}

TEST(RoundedRegion, NoSizeMeansNoPixels) {
    for (const Shape& s : {Shape{0, 220, 0}, Shape{270, 0, 40}, Shape{-5, 10, 3}, Shape{}}) {
        const RoundedRegion region(s.width, s.height, s.diameter);
        EXPECT_TRUE(region.isEmpty());
        EXPECT_FALSE(region.contains(0, 0));
        EXPECT_TRUE(region.rowSpan(0).isEmpty());
        EXPECT_TRUE(toQRegion(region).isEmpty());
    }
}

TEST(RoundedRegion, QtRegionHoldsTheSamePixelsInFewRectangles) {
    for (const Shape& s : kShapes) {
        const RoundedRegion region(s.width, s.height, s.diameter);
        const QRegion mask = toQRegion(region);
        for (int y = 0; y < s.height; ++y) {
            for (int x = 0; x < s.width; ++x) {
                ASSERT_EQ(mask.contains(QPoint(x, y)), region.contains(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(toQRegion(RoundedRegion(270, 220, 0)).rectCount(), 1);
    // Unmerged rows would give 220 rectangles; merged, the 20 cut rows of each corner pair
    // and the straight middle.
    EXPECT_LE(toQRegion(RoundedRegion(270, 220, 40)).rectCount(), 41);
}

}  // namespace
}  // namespace brontel
