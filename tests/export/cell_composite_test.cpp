#include "export/cell_composite.h"

#include <gtest/gtest.h>

#include <QImage>
#include <functional>

namespace brontel {
namespace {

constexpr QRgb kFaceColour = 0xFFFFA8FFu;
constexpr QRgb kCanvasGreen = 0xFF00FF00u;

QImage filled(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Whether each pixel of the cell comes from the face (true) or the canvas.
void expectFaceWhere(const QImage& cell, const std::function<bool(int, int)>& faceAt) {
    for (int y = 0; y < cell.height(); ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            ASSERT_EQ(cell.pixel(x, y), faceAt(x, y) ? kFaceColour : kCanvasGreen) << x << "," << y;
        }
    }
}

class CellComposite : public testing::Test {
protected:
    QImage face = filled(270, 220, kFaceColour);
    QImage canvas = filled(270, 220, kCanvasGreen);
};

TEST_F(CellComposite, WithoutRegionOrCornersTheCellIsTheFace) {
    QImage patterned = face;
    patterned.setPixel(3, 4, 0xFF123456u);
    EXPECT_EQ(composeCell(patterned, canvas, std::nullopt), patterned);
    EXPECT_EQ(composeCell(patterned, canvas, RoundedRegion(270, 220, 0)), patterned);
}

TEST_F(CellComposite, RoundedCornersShowTheCanvas) {
    const RoundedRegion region(270, 220, 40);
    const QImage cell = composeCell(face, canvas, region);
    ASSERT_EQ(cell.size(), QSize(270, 220));
    EXPECT_EQ(cell.pixel(0, 0), kCanvasGreen);
    EXPECT_EQ(cell.pixel(269, 219), kCanvasGreen);
    expectFaceWhere(cell, [&](int x, int y) { return region.contains(x, y); });
}

// The region keeps the size the face had when the corners were last set.
TEST_F(CellComposite, OnlyTheRegionsOverlapWithTheFaceCounts) {
    expectFaceWhere(composeCell(face, canvas, RoundedRegion(100, 220, 40)),
                    [](int x, int y) { return RoundedRegion(100, 220, 40).contains(x, y); });
    const RoundedRegion larger(400, 300, 40);
    const QImage cell = composeCell(face, canvas, larger);
    EXPECT_EQ(cell.pixel(0, 0), kCanvasGreen);
    EXPECT_EQ(cell.pixel(269, 0), kFaceColour);  // the region's own corners lie beyond the cell
    EXPECT_EQ(cell.pixel(269, 219), kFaceColour);
    expectFaceWhere(cell, [&](int x, int y) { return larger.contains(x, y); });
}

TEST_F(CellComposite, LeavesFaceAndCanvasUntouched) {
    const QImage canvasBefore = canvas.copy();
    const QImage cell = composeCell(face, canvas, RoundedRegion(270, 220, 40));
    EXPECT_EQ(canvas, canvasBefore);
    EXPECT_EQ(face, filled(270, 220, kFaceColour));
    EXPECT_NE(cell, canvas);
}

TEST_F(CellComposite, MismatchedOrEmptyLayersGiveNoCell) {
    EXPECT_TRUE(composeCell(face, filled(100, 220, kCanvasGreen), std::nullopt).isNull());
    EXPECT_TRUE(composeCell(QImage(), QImage(), RoundedRegion(270, 220, 40)).isNull());
    EXPECT_TRUE(composeTransparentCell(face, CornerCoverage(100, 220, 40)).isNull());
    EXPECT_TRUE(composeTransparentCell(QImage(), CornerCoverage()).isNull());
}

// The transparent cell keeps every colour of the face and takes its alpha from the coverage,
// so where the coverage is whole it is the ordinary cell.
TEST_F(CellComposite, TransparentCellIsTheFaceUnderTheCoverage) {
    QImage patterned = face;
    for (int x = 0; x < 270; ++x) patterned.setPixel(x, 0, qRgb(x % 256, 7, 9));
    for (int diameter : {40, 0}) {
        const CornerCoverage coverage(270, 220, diameter);
        const QImage cell = composeTransparentCell(patterned, coverage);
        const QImage opaqueCell = composeCell(patterned, canvas, RoundedRegion(270, 220, diameter));
        ASSERT_EQ(cell.format(), QImage::Format_ARGB32);
        for (int y = 0; y < 220; ++y) {
            for (int x = 0; x < 270; ++x) {
                const QRgb pixel = cell.pixel(x, y);
                ASSERT_EQ(qAlpha(pixel), coverage.alpha(x, y)) << x << "," << y;
                ASSERT_EQ(pixel & 0xFFFFFFu, patterned.pixel(x, y) & 0xFFFFFFu) << x << "," << y;
                if (qAlpha(pixel) == 255) {
                    ASSERT_EQ(pixel, opaqueCell.pixel(x, y)) << x << "," << y;
                }
            }
        }
    }
    EXPECT_EQ(qAlpha(composeTransparentCell(patterned, CornerCoverage(270, 220, 40)).pixel(0, 0)),
              0);
}

}  // namespace
}  // namespace brontel
