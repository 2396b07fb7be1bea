#include "cli/state_images.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdint>

#include "cli/scaled_design.h"
#include "export/bmp_encoder.h"
#include "export/corner_coverage.h"
#include "render/gradient_colour.h"
#include "render/gradient_oracle.h"
#include "render/surface.h"

namespace brontel {
namespace {

constexpr ButtonState kNormal = ButtonState::Normal;

// A 100 x 60 design whose normal face has no caption, so that every pixel follows a rule.
Design quietDesign() {
    Design design = initialDesign();
    design.width = 100;
    design.height = 60;
    FaceStyle& face = design.states[indexOf(kNormal)].face;
    face.setCaption("");
    face.setBackColour(0x20C0E0);
    return design;
}

FaceStyle& normalFace(Design& design) {
    return design.states[indexOf(kNormal)].face;
}

QImage cellAt(const Design& design, int scale) {
    return renderCell(scaledDesign(design, scale), kNormal, scaledTheme(DesktopTheme{}, scale));
}

Colour colourAt(const QImage& image, int x, int y) {
    return colourOfPixel(image.pixel(x, y));
}

// Every pixel as a 2 x 2 block: what a 1x image would look like merely enlarged.
QImage pixelsDoubled(const QImage& image) {
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// Gradients are computed at the doubled size, not enlarged from the ordinary image.
TEST(StateImagesAtScaleTwo, GradientsFollowTheRuleAtTheDoubledSize) {
    const ColourList colours = ColourList::fromFields(0x0000FF, 0xFFFFFF, 0xFF0000);
    for (int mode = 1; mode <= 8; ++mode) {
        Design design = quietDesign();
        normalFace(design).setGradientMode(mode);
        normalFace(design).setGradientColour1(colours[0]);
        normalFace(design).setGradientColour2(colours[1]);
        normalFace(design).setGradientColour3(colours[2]);
        const QImage cell = cellAt(design, 2);
        ASSERT_EQ(cell.size(), QSize(200, 120));
        for (int y = 0; y < 120; ++y) {
            for (int x = 0; x < 200; ++x) {
                const Colour expected =
                    gradientColourAt(test::oraclePosition(mode, x, y, 200, 120),
                                     test::oracleExtent(mode, 200, 120), colours);
                ASSERT_EQ(colourAt(cell, x, y), expected)
                    << "mode " << mode << " at " << x << "," << y;
            }
        }
        EXPECT_NE(cell, pixelsDoubled(cellAt(design, 1))) << "mode " << mode;
    }
}

TEST(StateImagesAtScaleTwo, TheGradientFrameIsTwiceAsWide) {
    Design design = quietDesign();
    normalFace(design).setBorder(border::GradientFrame);
    normalFace(design).setFrameWidth(5);
    normalFace(design).setFrameColour1(0x0000FF);
    normalFace(design).setFrameColour2(0xFFFFFF);
    normalFace(design).setFrameColour3(0xFF0000);
    const ColourList colours = frameColourList(normalFace(design));
    const QImage cell = cellAt(design, 2);
    for (int i = 0; i < 10; ++i) {
        const Colour band = gradientColourAt(i, 10, colours);
        EXPECT_EQ(colourAt(cell, 100, i), band) << "top row " << i;
        EXPECT_EQ(colourAt(cell, i, 60), band) << "left column " << i;
        EXPECT_EQ(colourAt(cell, 100, 110 + i), band) << "bottom row " << i;
        EXPECT_EQ(colourAt(cell, 190 + i, 60), band) << "right column " << i;
    }
    EXPECT_EQ(colourAt(cell, 10, 60), Colour{0x20C0E0});
    EXPECT_EQ(colourAt(cell, 100, 10), Colour{0x20C0E0});
}

Bytes patternPictureFile(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) picture.setPixel(x, y, qRgb(30 * x, 40 * y, 99));
    }
    return encodeBmp(picture);
}

// Desktop edges and pictures at natural size have no finer detail to show: at twice the
// density each of their pixels is a 2 x 2 block, corner pixels of the edge rings included.
// (The centred 8 x 6 picture leaves an even margin, so its centring halves exactly.)
TEST(StateImagesAtScaleTwo, EdgesAndNaturalSizePicturesArePixelsDoubled) {
    struct Case {
        int border;
        int pictureMode;  // -1: no picture
        QSize picture;    // some larger than the interior, so cut at its edges
    };
    const Case cases[] = {{1, -1, {}},     {2, -1, {}},    {3, -1, {}},       {4, -1, {}},
                          {5, -1, {}},     {0, 0, {8, 6}}, {0, 1, {8, 6}},    {4, 1, {8, 6}},
                          {2, 0, {8, 6}},  {4, 2, {8, 6}}, {0, 0, {130, 70}}, {0, 1, {130, 70}},
                          {3, 1, {30, 70}}};
    for (const Case& c : cases) {
        Design design = quietDesign();
        normalFace(design).setBorder(c.border);
        if (c.pictureMode >= 0) {
            normalFace(design).setPicture(patternPictureFile(c.picture));
            normalFace(design).setPictureMode(c.pictureMode);
        }
        EXPECT_EQ(cellAt(design, 2), pixelsDoubled(cellAt(design, 1)))
            << "border " << c.border << " picture mode " << c.pictureMode << " picture "
            << c.picture.width() << "x" << c.picture.height();
    }
}

// Shrunk to fit, a picture is averaged from its own pixels at the doubled size: a 540 x 100
// picture in a 540 x 440 face halves its doubled size back to its own pixels, one to one.
TEST(StateImagesAtScaleTwo, AShrunkPictureKeepsTheDetailOfItsOwnPixels) {
    Design design = quietDesign();
    design.width = 270;
    design.height = 220;
    const Bytes file = patternPictureFile({540, 100});
    normalFace(design).setPicture(file);
    normalFace(design).setPictureMode(2);
    const QImage cell = cellAt(design, 2);
    const QImage picture = QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP");
    ASSERT_EQ(cell.size(), QSize(540, 440));
    EXPECT_EQ(cell.copy(0, 170, 540, 100), picture.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(colourAt(cell, 0, 169), Colour{0x20C0E0});
}

// The transparent cell is the face with the coverage of the design's own corners as alpha;
// wherever that is whole, it is the ordinary cell.
TEST(TransparentStateImages, CornersFadeOutAndTheRestIsTheCell) {
    for (int scale : {1, 2}) {
        Design design = quietDesign();
        design.cornerDiameter = 40;
        normalFace(design).setGradientMode(3);
        const Design scaled = scaledDesign(design, scale);
        const DesktopTheme theme = scaledTheme(DesktopTheme{}, scale);
        const QImage cell = renderCell(scaled, kNormal, theme);
        const QImage transparent = renderTransparentCell(scaled, kNormal, theme);
        const CornerCoverage coverage(100 * scale, 60 * scale, 40 * scale);
        ASSERT_EQ(transparent.size(), cell.size());
        for (int y = 0; y < cell.height(); ++y) {
            for (int x = 0; x < cell.width(); ++x) {
                const int alpha = qAlpha(transparent.pixel(x, y));
                ASSERT_EQ(alpha, coverage.alpha(x, y)) << x << "," << y;
                if (alpha == 255) {
                    ASSERT_EQ(transparent.pixel(x, y), cell.pixel(x, y)) << x << "," << y;
                }
            }
        }
        EXPECT_EQ(qAlpha(transparent.pixel(0, 0)), 0);
    }
}

}  // namespace
}  // namespace brontel
