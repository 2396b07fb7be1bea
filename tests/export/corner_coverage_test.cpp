#include "export/corner_coverage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "export/rounded_region.h"

namespace brontel {
namespace {

struct Shape {
    int width;
    int height;
    int diameter;
};

const Shape kShapes[] = {
    {270, 220, 40}, {270, 220, 41}, {9, 7, 5},    {10, 10, 10},    {1, 1, 1},
    {2, 9, 9},      {64, 48, 3},    {5, 200, 60}, {100, 50, 1000}, {540, 440, 80},
};

// The part of pixel (x, y) inside the rounded rectangle by a slow rule of its own: the
// pixel cut into thin columns, each inside between the heights of the corner ellipses.
double referenceCoverage(const Shape& s, int x, int y) {
    const double rx = std::min(s.diameter, s.width) / 2.0;
    const double ry = std::min(s.diameter, s.height) / 2.0;
    constexpr int kColumns = 256;
    double area = 0;
    for (int i = 0; i < kColumns; ++i) {
        const double u = x + (i + 0.5) / kColumns;
        const double fromSide = std::min(u, s.width - u);
        const double t = fromSide < rx ? (rx - fromSide) / rx : 0.0;
        const double inset = ry - ry * std::sqrt(1.0 - t * t);
        const double top = std::max(static_cast<double>(y), inset);
        const double bottom = std::min(static_cast<double>(y + 1), s.height - inset);
        area += std::max(0.0, bottom - top);
    }
    return area / kColumns;
}

// Pixels within reach of a corner: the only ones that can be less than whole.
bool nearCorner(const Shape& s, int x, int y) {
    const int reachX = (std::min(s.diameter, s.width) + 1) / 2 + 1;
    const int reachY = (std::min(s.diameter, s.height) + 1) / 2 + 1;
    return std::min(x, s.width - 1 - x) < reachX && std::min(y, s.height - 1 - y) < reachY;
}

std::string where(const Shape& s, int x, int y) {
    return std::to_string(s.width) + "x" + std::to_string(s.height) + " d " +
           std::to_string(s.diameter) + " at " + std::to_string(x) + "," + std::to_string(y);
}

TEST(CornerCoverage, AlphaIsTheAreaInsideTheRoundedRectangle) {
    for (const Shape& s : kShapes) {
        const CornerCoverage coverage(s.width, s.height, s.diameter);
        ASSERT_EQ(coverage.width(), s.width);
        ASSERT_EQ(coverage.height(), s.height);
        for (int y = 0; y < s.height; ++y) {
            for (int x = 0; x < s.width; ++x) {
                if (!nearCorner(s, x, y)) {
                    ASSERT_EQ(coverage.alpha(x, y), 255) << where(s, x, y);
                    continue;
                }
                ASSERT_NEAR(coverage.alpha(x, y), 255 * referenceCoverage(s, x, y), 3.0)
                    << where(s, x, y);
            }
        }
    }
}

TEST(CornerCoverage, IsMirrorSymmetric) {
    for (const Shape& s : kShapes) {
        const CornerCoverage coverage(s.width, s.height, s.diameter);
        for (int y = 0; y < s.height; ++y) {
            for (int x = 0; x < s.width; ++x) {
                const int alpha = coverage.alpha(x, y);
                ASSERT_EQ(coverage.alpha(s.width - 1 - x, y), alpha) << where(s, x, y);
                ASSERT_EQ(coverage.alpha(x, s.height - 1 - y), alpha) << where(s, x, y);
            }
        }
    }
}

// A pixel the region holds by its centre is never transparent, one it leaves out never
// opaque: the smoothed corners keep the region's shape.
TEST(CornerCoverage, AgreesWithTheRegionWhereThatIsClear) {
    for (const Shape& s : kShapes) {
        const CornerCoverage coverage(s.width, s.height, s.diameter);
        const RoundedRegion region(s.width, s.height, s.diameter);
        for (int y = 0; y < s.height; ++y) {
            for (int x = 0; x < s.width; ++x) {
                if (region.contains(x, y)) {
                    ASSERT_GT(coverage.alpha(x, y), 0) << where(s, x, y);
                } else {
                    ASSERT_LT(coverage.alpha(x, y), 255) << where(s, x, y);
                }
            }
        }
    }
}

TEST(CornerCoverage, CornersOfFortyFadeOutAlongTheCircle) {
    const CornerCoverage coverage(270, 220, 40);
    EXPECT_EQ(coverage.alpha(0, 0), 0);
    EXPECT_EQ(coverage.alpha(269, 219), 0);
    EXPECT_EQ(coverage.alpha(20, 20), 255);
    EXPECT_EQ(coverage.alpha(135, 0), 255);  // the straight top edge
    EXPECT_EQ(coverage.alpha(0, 110), 255);
    // Row 0 meets the quarter circle from x = 13.76 (at y = 1) to x = 20 (at y = 0), where
    // the straight top edge begins: partly covered pixels only there.
    for (int x = 0; x < 40; ++x) {
        const int alpha = coverage.alpha(x, 0);
        const bool partial = alpha > 0 && alpha < 255;
        EXPECT_EQ(partial, x >= 13 && x < 20) << x << ": " << alpha;
    }
}

// A circle of diameter 2 in a 2 x 2 image covers a quarter circle of radius 1 in each pixel.
TEST(CornerCoverage, ASmallCircleCoversItsArea) {
    const double quarterDisc = 255 * std::acos(-1.0) / 4;  // 200.3
    for (const Shape& s : {Shape{2, 2, 2}, Shape{1, 1, 1}}) {
        const CornerCoverage coverage(s.width, s.height, s.diameter);
        for (int y = 0; y < s.height; ++y) {
            for (int x = 0; x < s.width; ++x) {
                EXPECT_NEAR(coverage.alpha(x, y), quarterDisc, 1.0) << where(s, x, y);
            }
        }
    }
}

TEST(CornerCoverage, SquareCornersAreOpaque) {
    for (int diameter : {0, -1, -1000}) {
        const CornerCoverage coverage(270, 220, diameter);
        for (int y = 0; y < 220; ++y) {
            for (int x = 0; x < 270; ++x) ASSERT_EQ(coverage.alpha(x, y), 255) << x << "," << y;
        }
    }
}

TEST(CornerCoverage, SizesWithoutPixelsOrBeyondTheLimitAreEmpty) {
    const Shape shapes[] = {{0, 10, 4},
                            {10, -1, 4},
                            {CornerCoverage::kMaxSide + 1, 1, 4},
                            {1, CornerCoverage::kMaxSide + 1, 0}};
    for (const Shape& s : shapes) {
        const CornerCoverage coverage(s.width, s.height, s.diameter);
        EXPECT_TRUE(coverage.isEmpty()) << s.width << "x" << s.height;
        EXPECT_EQ(coverage.width(), 0);
    }
    EXPECT_FALSE(CornerCoverage(3, 2, 2000000000).isEmpty());  // held to the sides
}

}  // namespace
}  // namespace brontel
