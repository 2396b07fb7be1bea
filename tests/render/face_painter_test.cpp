#include "render/face_painter.h"

#include <gtest/gtest.h>

#include <QPalette>
#include <climits>
#include <random>
#include <vector>

#include "render/colour_list.h"
#include "render/gradient_colour.h"
#include "render/gradient_mode.h"
#include "render/surface_test_support.h"

namespace brontel {
namespace {

using test::colourAt;
using test::isUntouched;
using test::untouchedSurface;

constexpr Colour kBack = 0xC04020;
const DesktopTheme kTheme;

Face faceWithBack(Colour back = kBack) {
    Face face;
    face.style.setBackColour(back);
    return face;
}

Face framedFace(int frameWidth, int gradientMode) {
    Face face = faceWithBack();
    face.style.setBorder(border::GradientFrame);
    face.style.setFrameWidth(frameWidth);
    face.style.setGradientMode(gradientMode);
    face.style.setGradientColour1(0x0000FF);
    face.style.setGradientColour3(0xFF0000);
    return face;
}

QImage render(Face& face, QSize size, const DesktopTheme& theme = kTheme) {
    QImage outer = untouchedSurface(size.width(), size.height());
    renderFace(face, outer, outer.rect(), theme);
    return outer;
}

// The smallest rectangle holding every pixel of `colour`.
QRect boundsOf(const QImage& image, Colour colour) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (colourAt(image, x, y) == colour) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

int countOf(const QImage& image, Colour colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += colourAt(image, x, y) == colour;
    }
    return count;
}

bool isAll(const QImage& image, Colour colour) {
    return countOf(image, colour) == image.width() * image.height();
}

TEST(PaintFace, NoColourBackgroundFollowsTheDesktopButtonFace) {
    Face face = faceWithBack(NoColour);
    for (Colour desktopFace : {Colour{0xF0F0F0}, Colour{0x1E2D3C}}) {
        DesktopTheme theme;
        theme.face = desktopFace;
        EXPECT_TRUE(isAll(render(face, {20, 10}, theme), desktopFace)) << desktopFace;
    }
}

TEST(PaintFace, GradientListsOfFewerThanTwoColoursShowTheBackground) {
    const std::array<Colour, 3> lists[] = {
        {NoColour, 0x00FF00, NoColour}, {NoColour, NoColour, NoColour}, {0xFF, NoColour, NoColour}};
    for (const auto& list : lists) {
        Face face = faceWithBack();
        face.style.setGradientMode(gradient::TopToBottom);
        face.style.setGradientColour1(list[0]);
        face.style.setGradientColour2(list[1]);
        face.style.setGradientColour3(list[2]);
        EXPECT_TRUE(isAll(render(face, {30, 20}), kBack));
    }
}

TEST(PaintFace, AFaceWithPictureBytesDoesNotShowItsGradient) {
    Face face = faceWithBack();
    face.style.setGradientMode(gradient::LeftToRight);
    face.style.setPicture(Bytes{'n', 'o', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'});
    EXPECT_TRUE(isAll(render(face, {30, 20}), kBack));
}

TEST(PaintFace, GradientCoversTheInteriorAfterTheFrame) {
    Face face = framedFace(5, gradient::TopToBottom);
    face.style.setGradientColour2(NoColour);
    const QImage image = render(face, {30, 20});
    const ColourList interiorList = ColourList::fromFields(0x0000FF, NoColour, 0xFF0000);
    for (int y = 5; y < 15; ++y) {
        EXPECT_EQ(colourAt(image, 15, y), gradientColourAt(y - 5, 10, interiorList)) << y;
    }
    EXPECT_EQ(countOf(image, kBack), 0);
}

TEST(PaintFace, FrameWithoutTwoColoursIsNoFrame) {
    const std::array<Colour, 3> lists[] = {{NoColour, NoColour, 0x808080},
                                           {0x808080, NoColour, NoColour},
                                           {NoColour, NoColour, NoColour}};
    Face unframed = framedFace(5, gradient::TopLeftToBottomRight);
    unframed.style.setBorder(border::None);
    const QImage expected = render(unframed, {40, 30});
    for (const auto& list : lists) {
        Face face = framedFace(5, gradient::TopLeftToBottomRight);
        face.style.setFrameColour1(list[0]);
        face.style.setFrameColour2(list[1]);
        face.style.setFrameColour3(list[2]);
        EXPECT_EQ(render(face, {40, 30}), expected);
    }
}

TEST(PaintFace, FrameWithoutColour2RunsFromColour1ToColour3) {
    Face face = framedFace(5, gradient::None);
    face.style.setFrameColour1(0x000000);
    face.style.setFrameColour2(NoColour);
    face.style.setFrameColour3(0xFFFFFF);
    const QImage image = render(face, {40, 30});
    const Colour rows[] = {0x000000, 0x333333, 0x666666, 0x999999, 0xCCCCCC, kBack};
    for (int y = 0; y < 6; ++y) EXPECT_EQ(colourAt(image, 20, y), rows[y]) << y;
}

struct WideFrameCase {
    QSize client;
    int frameWidth;
    QRect gapBetweenBands;  // shows the background colour; empty when the bands meet
};

TEST(PaintFace, FrameOfHalfTheClientOrMoreLeavesNoInterior) {
    const WideFrameCase cases[] = {
        {{20, 16}, 8, {}},
        {{20, 16}, 10, {}},
        {{20, 60}, 12, {}},
        {{270, 220}, 120, {}},
        {{21, 15}, 20, {10, 7, 1, 1}},
        {{21, 40}, 11, {10, 11, 1, 18}},
    };
    for (const WideFrameCase& c : cases) {
        Face face = framedFace(c.frameWidth, gradient::TopToBottom);
        const QImage image = render(face, c.client);
        EXPECT_EQ(boundsOf(image, kBack), c.gapBetweenBands)
            << c.client.width() << "x" << c.client.height() << " frame " << c.frameWidth;
        EXPECT_EQ(countOf(image, colourOfPixel(test::kUntouched)), 0);
    }
}

TEST(PaintFace, BandsOfAWideFrameAreHeldToHalfTheClient) {
    Face face = framedFace(120, gradient::None);
    const QImage image = render(face, {270, 220});
    const ColourList frame = frameColourList(face.style);
    for (int y = 0; y < 110; ++y) {
        EXPECT_EQ(colourAt(image, 135, y), gradientColourAt(y, 110, frame)) << y;
        EXPECT_EQ(colourAt(image, 135, 110 + y), gradientColourAt(y, 110, frame)) << 110 + y;
    }
}

// The rings of each border from the outside in, as top-left and bottom-right colours.
struct EdgeCase {
    int border;
    std::vector<EdgeRing> rings;
};

std::vector<EdgeCase> edgeCases(const DesktopTheme& t) {
    const EdgeRing sunken1{t.shadow, t.highlight}, sunken2{t.darkShadow, t.light};
    const EdgeRing raised1{t.light, t.darkShadow}, raised2{t.highlight, t.shadow},
        raised3{t.face, t.face};
    return {{border::None, {}},
            {border::Sunken, {sunken1, sunken2}},
            {border::Raised, {raised1, raised2, raised3}},
            {border::ShallowSunken, {sunken1}},
            {border::PictureFrame, {raised1, raised2, raised3, sunken1, sunken2}},
            {border::SingleLine, {{t.windowFrame, t.windowFrame}}}};
}

TEST(RenderFace, DrawsTheDesktopEdgeAroundAShrunkenClientArea) {
    const int w = 40, h = 30;
    for (const EdgeCase& c : edgeCases(kTheme)) {
        Face face = faceWithBack();
        face.style.setBorder(c.border);
        const QImage image = render(face, {w, h});
        const int edge = static_cast<int>(c.rings.size());
        EXPECT_EQ(edgeWidth(c.border), edge);
        EXPECT_EQ(boundsOf(image, kBack), QRect(edge, edge, w - 2 * edge, h - 2 * edge));
        for (int k = 0; k < edge; ++k) {
            const EdgeRing ring = c.rings[k];
            const Colour tl = ring.topLeft, br = ring.bottomRight;
            const std::pair<QPoint, Colour> expected[] = {{{w / 2, k}, tl},
                                                          {{k, h / 2}, tl},
                                                          {{k, k}, tl},
                                                          {{w / 2, h - 1 - k}, br},
                                                          {{w - 1 - k, h / 2}, br},
                                                          {{w - 1 - k, k}, br},
                                                          {{k, h - 1 - k}, br},
                                                          {{w - 1 - k, h - 1 - k}, br}};
            for (const auto& [at, colour] : expected) {
                EXPECT_EQ(colourAt(image, at.x(), at.y()), colour)
                    << "border " << c.border << ", ring " << k << " at " << at.x() << "," << at.y();
            }
        }
    }
}

TEST(RenderFace, PictureFrameToSunkenGrowsTheClientByThreeOnEverySide) {
    Face face = faceWithBack();
    face.style.setBorder(border::PictureFrame);
    EXPECT_EQ(boundsOf(render(face, {60, 50}), kBack), QRect(5, 5, 50, 40));
    face.style.setBorder(border::Sunken);
    EXPECT_EQ(boundsOf(render(face, {60, 50}), kBack), QRect(2, 2, 56, 46));
}

TEST(RenderFace, PaintsEveryPixelOfTinyFaces) {
    for (int border = border::None; border <= border::GradientFrame; ++border) {
        for (int w = 1; w <= 12; ++w) {
            for (int h = 1; h <= 12; ++h) {
                Face face = framedFace(5, gradient::BottomRightToTopLeft);
                face.style.setBorder(border);
                const QImage image = render(face, {w, h});
                EXPECT_EQ(countOf(image, colourOfPixel(test::kUntouched)), 0)
                    << "border " << border << ", " << w << "x" << h;
            }
        }
    }
}

TEST(RenderFace, GivesANullImageForSizesWithoutPixels) {
    const QSize sizes[] = {{0, 10}, {10, 0}, {-1, 5}, {5, -7}, {INT_MIN, INT_MIN}};
    for (QSize size : sizes) {
        Face face = faceWithBack();
        EXPECT_TRUE(renderFace(face, size, kTheme).isNull())
            << size.width() << "x" << size.height();
    }
}

TEST(RenderFace, PaintsNothingForAnUpdateAreaOffTheFace) {
    for (QRect area : {QRect(), QRect(40, 0, 10, 10), QRect(-20, -20, 20, 20)}) {
        Face face = framedFace(5, gradient::TopToBottom);
        QImage outer = untouchedSurface(40, 30);
        renderFace(face, outer, area, kTheme);
        EXPECT_EQ(outer, untouchedSurface(40, 30));
    }
}

std::vector<Face> repaintFaces() {
    Face frameAndDiagonal = framedFace(9, gradient::TopRightToBottomLeft);
    frameAndDiagonal.style.setGradientColour2(0x00FF00);
    Face edgeAndHorizontal = framedFace(5, gradient::RightToLeft);
    edgeAndHorizontal.style.setBorder(border::PictureFrame);
    Face frameWiderThanHalf = framedFace(40, gradient::BottomToTop);
    Face desktopFace = faceWithBack(NoColour);
    desktopFace.style.setBorder(border::Raised);
    return {frameAndDiagonal, edgeAndHorizontal, frameWiderThanHalf, desktopFace};
}

TEST(RenderFace, PartialRepaintMatchesTheFullPaint) {
    std::mt19937 random(7);
    auto coordinate = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (QSize size : {QSize(97, 61), QSize(270, 220)}) {
        for (Face& face : repaintFaces()) {
            const QImage full = render(face, size);
            for (int i = 0; i < 40; ++i) {
                const QRect area(coordinate(-10, size.width()), coordinate(-10, size.height()),
                                 coordinate(0, size.width()), coordinate(0, size.height()));
                QImage part = untouchedSurface(size.width(), size.height());
                renderFace(face, part, area, kTheme);
                for (int y = 0; y < size.height(); ++y) {
                    for (int x = 0; x < size.width(); ++x) {
                        const QRgb expected =
                            area.contains(x, y) ? full.pixel(x, y) : test::kUntouched;
                        ASSERT_EQ(part.pixel(x, y), expected)
                            << "border " << face.style.border() << ", " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST(DesktopTheme, TakesTheThreeDColoursFromThePalette) {
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Light, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Midlight, QColor(7, 8, 9));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(10, 11, 12));
    palette.setColor(QPalette::Active, QPalette::Shadow, QColor(13, 14, 15));
    const DesktopTheme theme = DesktopTheme::fromPalette(palette);
    EXPECT_EQ(theme.face, rgb(1, 2, 3));
    EXPECT_EQ(theme.highlight, rgb(4, 5, 6));
    EXPECT_EQ(theme.light, rgb(7, 8, 9));
    EXPECT_EQ(theme.shadow, rgb(10, 11, 12));
    EXPECT_EQ(theme.darkShadow, rgb(13, 14, 15));
    EXPECT_EQ(theme.windowFrame, rgb(13, 14, 15));
    EXPECT_EQ(theme.uiFont, DesktopTheme{}.uiFont);
}

}  // namespace
}  // namespace brontel
