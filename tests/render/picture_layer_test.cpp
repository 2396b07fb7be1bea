#include "render/picture_layer.h"

#include <gtest/gtest.h>

#include "render/picture_placement.h"
#include "render/surface.h"
#include "render/surface_ink.h"

namespace brontel {
namespace {

constexpr Colour kBackground = 0xFFA8FF;
const QRgb kUntouched = qRgb(1, 2, 3);
const QRgb kPictureColour = qRgb(10, 20, 30);
// The interior lies off the surface's corner, so placements are checked from its corner.
const QRect kInterior{4, 6, 270, 220};
const QSize kSurfaceSize{280, 232};

DecodedPicture plainPicture(QSize size, QRgb colour = kPictureColour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return {PictureKind::Bmp, image};
}

// A picture whose every pixel tells its own position.
DecodedPicture patternPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb(x, y, 77));
    return {PictureKind::Bmp, image};
}

struct Painted {
    QImage surface;
    QRegion uncovered;
};

Painted paint(const DecodedPicture& picture, int mode, const QRect& clip = kInterior) {
    Painted painted{QImage(kSurfaceSize, QImage::Format_RGB32), QRegion(clip)};
    painted.surface.fill(kUntouched);
    drawPictureLayer(painted.surface, picture, mode, kInterior, clip, painted.uncovered,
                     kBackground);
    return painted;
}

TEST(CentredPlacement, CentresOrShrinksToFit) {
    struct Case {
        QSize picture;
        QRect placed;  // from the interior's corner
    };
    const Case cases[] = {
        {{100, 100}, {85, 60, 100, 100}}, {{540, 100}, {0, 85, 270, 50}},
        {{440, 440}, {25, 0, 220, 220}},  {{300, 300}, {25, 0, 219, 219}},
        {{100, 440}, {110, 0, 50, 220}},  {{270, 220}, {0, 0, 270, 220}},
        {{271, 1}, {0, 109, 270, 0}},     {{1, 1}, {134, 109, 1, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(centredPlacement(c.picture, kInterior), c.placed.translated(kInterior.topLeft()))
            << c.picture.width() << "x" << c.picture.height();
    }
}

TEST(PictureLayer, CentredPictureCoversOnlyItsPlace) {
    for (QSize size : {QSize(100, 100), QSize(540, 100), QSize(300, 300)}) {
        const Painted painted = paint(plainPicture(size), 2);
        const QRect placed = centredPlacement(size, kInterior);
        EXPECT_EQ(painted.uncovered, QRegion(kInterior) - placed);
        EXPECT_EQ(test::colourBounds(painted.surface, kPictureColour), placed);
        EXPECT_EQ(test::inkBounds(painted.surface, kUntouched), placed);
    }
}

TEST(PictureLayer, CentredShrinkAveragesAreas) {
    // 540 x 100 halves to 270 x 50: each drawn pixel is the mean of a 2 x 2 block.
    const Painted painted = paint(patternPicture({540, 100}), 2);
    const QPoint at = kInterior.topLeft() + QPoint(0, 85);
    EXPECT_EQ(painted.surface.pixel(at), qRgb(1, 1, 77));  // (0 + 1) / 2 = 0.5 rounds up
    EXPECT_EQ(painted.surface.pixel(at + QPoint(3, 2)), qRgb(7, 5, 77));
}

TEST(PictureLayer, TopLeftLeavesTheRestUncovered) {
    const Painted painted = paint(plainPicture({50, 40}), 0);
    const QRect placed{kInterior.topLeft(), QSize(50, 40)};
    EXPECT_EQ(painted.uncovered, QRegion(kInterior) - placed);
    EXPECT_EQ(test::inkBounds(painted.surface, kUntouched), placed);

    const Painted large = paint(plainPicture({400, 300}), 0);
    EXPECT_TRUE(large.uncovered.isEmpty());
    EXPECT_EQ(test::inkBounds(large.surface, kUntouched), kInterior);
}

TEST(PictureLayer, TilesRepeatFromTheInteriorCornerAndCoverAll) {
    const DecodedPicture tile = patternPicture({64, 64});
    const Painted painted = paint(tile, 1);
    EXPECT_TRUE(painted.uncovered.isEmpty());
    EXPECT_EQ(test::inkBounds(painted.surface, kUntouched), kInterior);
    for (QPoint p :
         {QPoint(0, 0), QPoint(63, 63), QPoint(64, 0), QPoint(269, 219), QPoint(200, 130)}) {
        EXPECT_EQ(painted.surface.pixel(p + kInterior.topLeft()),
                  tile.image.pixel(p.x() % 64, p.y() % 64))
            << p.x() << "," << p.y();
    }
}

TEST(PictureLayer, OnlyTheClipIsPainted) {
    const QRect clip{100, 90, 70, 33};
    const std::pair<int, QSize> cases[] = {{0, {200, 200}}, {1, {64, 64}}, {2, {300, 300}}};
    for (const auto& [mode, size] : cases) {
        const Painted part = paint(patternPicture(size), mode, clip);
        const Painted whole = paint(patternPicture(size), mode);
        EXPECT_EQ(test::inkBounds(part.surface, kUntouched), clip) << mode;
        EXPECT_EQ(part.surface.copy(clip), whole.surface.copy(clip)) << mode;
    }
}

TEST(PictureLayer, TransparentPixelsShowTheBackgroundColour) {
    for (PictureKind kind : {PictureKind::Png, PictureKind::Icon}) {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(0, 0, 0, 0));
        image.setPixel(1, 0, qRgba(5, 6, 7, 255));
        const Painted painted = paint({kind, image}, 0);
        EXPECT_EQ(painted.surface.pixel(kInterior.topLeft()), surfacePixel(kBackground));
        EXPECT_EQ(painted.surface.pixel(kInterior.topLeft() + QPoint(1, 0)), qRgb(5, 6, 7));
    }
}

TEST(PictureLayer, ModesBeyondTheRangeAreHeldToIt) {
    EXPECT_EQ(paint(patternPicture({300, 300}), 3).surface,
              paint(patternPicture({300, 300}), 2).surface);
    EXPECT_EQ(paint(patternPicture({30, 30}), -1).surface,
              paint(patternPicture({30, 30}), 0).surface);
}

}  // namespace
}  // namespace brontel
