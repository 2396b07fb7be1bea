#include "render/gradient_fill.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "render/gradient_colour.h"
#include "render/gradient_oracle.h"
#include "render/surface_test_support.h"

namespace brontel {
namespace {

using test::colourAt;
using test::isUntouched;
using test::oracleExtent;
using test::oraclePosition;
using test::untouchedSurface;

constexpr Colour kBlack = 0x000000, kWhite = 0xFFFFFF;
const ColourList kBlackToWhite = ColourList::fromFields(kBlack, NoColour, kWhite);
const ColourList kWhiteToBlack = ColourList::fromFields(kWhite, NoColour, kBlack);
const ColourList kThree = ColourList::fromFields(rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255));

void oracleFill(QImage& surface, const QRect& rect, std::optional<QRect> clip, int mode,
                const ColourList& colours) {
    const std::int64_t w = rect.width(), h = rect.height();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (!surface.rect().contains(x, y) || (clip && !clip->contains(x, y))) continue;
            const std::int64_t position =
                oraclePosition(mode, x - rect.left(), y - rect.top(), w, h);
            const Colour colour = gradientColourAt(position, oracleExtent(mode, w, h), colours);
            surface.setPixel(x, y, surfacePixel(colour));
        }
    }
}

std::vector<Colour> columnColours(const QImage& surface, int x) {
    std::vector<Colour> colours;
    for (int y = 0; y < surface.height(); ++y) colours.push_back(colourAt(surface, x, y));
    return colours;
}

struct RowsCase {
    const char* what;
    QSize size;
    ColourList colours;
    std::vector<Colour> rows;
};

TEST(FillGradient, TopToBottomRowsFollowTheSegmentRule) {
    const Colour halfRedGreen = rgb(128, 127, 0), halfGreenBlue = rgb(0, 128, 127);
    const RowsCase cases[] = {
        {"white is never reached", {3, 4}, kBlackToWhite, {0x000000, 0x3F3F3F, 0x7F7F7F, 0xBFBFBF}},
        {"falling values round toward colour 1",
         {3, 4},
         kWhiteToBlack,
         {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040}},
        {"a 1-pixel-high fill is colour 1", {5, 1}, kThree, {rgb(255, 0, 0)}},
        {"three colours over five rows",
         {2, 5},
         kThree,
         {rgb(255, 0, 0), halfRedGreen, rgb(0, 255, 0), halfGreenBlue, rgb(0, 0, 255)}},
    };
    for (const RowsCase& c : cases) {
        QImage surface = untouchedSurface(c.size.width(), c.size.height());
        ASSERT_TRUE(
            fillGradient(surface, surface.rect(), std::nullopt, gradient::TopToBottom, c.colours))
            << c.what;
        for (int x = 0; x < surface.width(); ++x) {
            EXPECT_EQ(columnColours(surface, x), c.rows) << c.what << ", column " << x;
        }
    }
}

TEST(FillGradient, DiagonalReachesTheLastColourAtTwiceTheShorterSide) {
    for (const ColourList& colours : {kBlackToWhite, kThree}) {
        QImage surface = untouchedSurface(100, 30);
        ASSERT_TRUE(fillGradient(surface, surface.rect(), std::nullopt,
                                 gradient::TopLeftToBottomRight, colours));
        const Colour last = colours[colours.size() - 1];
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 100; ++x) {
                EXPECT_EQ(colourAt(surface, x, y) == last, x + y >= 60)
                    << colours.size() << " colours at " << x << "," << y;
            }
        }
    }
}

struct RefusalCase {
    const char* what;
    QRect rect;
    int mode;
    ColourList colours;
};

TEST(FillGradient, RefusesBadArgumentsAndPaintsNothing) {
    const RefusalCase cases[] = {
        {"mode 0", {0, 0, 8, 8}, 0, kThree},
        {"mode 9", {0, 0, 8, 8}, 9, kThree},
        {"one colour", {0, 0, 8, 8}, 1, ColourList::fromFields(kBlack, NoColour, NoColour)},
        {"no colour", {0, 0, 8, 8}, 1, ColourList{}},
        {"zero width", {0, 0, 0, 8}, 1, kThree},
        {"zero height", {0, 0, 8, 0}, 1, kThree},
        {"negative size", {4, 4, -3, -3}, 1, kThree},
    };
    for (const RefusalCase& c : cases) {
        QImage surface = untouchedSurface(8, 8);
        EXPECT_FALSE(fillGradient(surface, c.rect, std::nullopt, c.mode, c.colours)) << c.what;
        EXPECT_EQ(surface, untouchedSurface(8, 8)) << c.what;
    }
}

TEST(FillGradient, RefusesSurfacesThatAreNot32Bit) {
    QImage surface(8, 8, QImage::Format_RGB16);
    surface.fill(Qt::black);
    const QImage before = surface;
    EXPECT_FALSE(fillGradient(surface, surface.rect(), std::nullopt, 1, kThree));
    EXPECT_EQ(surface, before);
}

TEST(FillGradient, SucceedsWithoutPaintingWhenTheClipMissesTheRectangle) {
    QImage surface = untouchedSurface(20, 20);
    EXPECT_TRUE(fillGradient(surface, {0, 0, 10, 10}, QRect(12, 12, 5, 5), 3, kThree));
    EXPECT_EQ(surface, untouchedSurface(20, 20));
}

// Rectangles placed inside, across the edge of and around the surface; clips none, random,
// or reaching out of the rectangle.
struct Placement {
    QRect rect;
    std::optional<QRect> clip;
};

std::vector<Placement> placementsFor(QSize size, std::mt19937& random) {
    const int w = size.width(), h = size.height();
    auto coordinate = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const QRect inside(3, 2, w, h);
    std::vector<Placement> placements{{inside, std::nullopt},
                                      {QRect(-w / 2, -h / 3, w, h), std::nullopt},
                                      {inside, QRect(0, 0, 3 + w / 2, 2 + h / 2)}};
    for (int i = 0; i < 3; ++i) {
        const int left = coordinate(0, w + 5), top = coordinate(0, h + 4);
        const QRect clip(left, top, coordinate(1, w + 6 - left), coordinate(1, h + 5 - top));
        placements.push_back({inside, clip});
    }
    return placements;
}

TEST(FillGradient, FastPathMatchesTheOracleInEveryMode) {
    const QSize sizes[] = {{1, 1},    {1, 9},    {9, 1},    {2, 2},    {3, 5},
                           {7, 4},    {50, 50},  {51, 49},  {100, 30}, {30, 100},
                           {101, 51}, {49, 120}, {270, 220}};
    const ColourList lists[] = {kBlackToWhite, kWhiteToBlack, kThree};
    std::mt19937 random(20240611);
    for (QSize size : sizes) {
        for (const Placement& placement : placementsFor(size, random)) {
            for (int mode = 1; mode <= 8; ++mode) {
                for (const ColourList& colours : lists) {
                    QImage fast = untouchedSurface(size.width() + 6, size.height() + 5);
                    QImage oracle = fast.copy();
                    ASSERT_TRUE(fillGradient(fast, placement.rect, placement.clip, mode, colours));
                    oracleFill(oracle, placement.rect, placement.clip, mode, colours);
                    ASSERT_EQ(fast, oracle)
                        << "mode " << mode << ", " << colours.size() << " colours, rect "
                        << placement.rect.x() << "," << placement.rect.y() << " " << size.width()
                        << "x" << size.height();
                }
            }
        }
    }
}

}  // namespace
}  // namespace brontel
