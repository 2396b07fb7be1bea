#include "render/caption_layer.h"

#include <gtest/gtest.h>

#include <QImage>

#include "render/surface.h"
#include "render/surface_ink.h"

namespace brontel {
namespace {

using test::colourBounds;
using test::inkBounds;

constexpr Colour kBackground = 0xFFA8FF;
constexpr Colour kRed = 0x0000FF;
const QRgb kBackgroundPixel = surfacePixel(kBackground);
const QRgb kRedPixel = surfacePixel(kRed);
const QSize kSurfaceSize{200, 90};

FaceStyle captionStyle(std::string caption) {
    FaceStyle style;
    style.setCaption(std::move(caption));
    style.setTextColour(kRed);
    style.setHAlign(0);
    style.setVAlign(0);
    return style;
}

QImage render(const FaceStyle& style, const QRect& textRect, const QRect& clip,
              const DesktopTheme& theme = {}) {
    QImage surface(kSurfaceSize, QImage::Format_RGB32);
    surface.fill(kBackgroundPixel);
    drawCaption(surface, style, textRect, clip, theme);
    return surface;
}

QImage render(const FaceStyle& style, const QRect& textRect) {
    return render(style, textRect, QRect(QPoint(0, 0), kSurfaceSize));
}

const QRect kTextRect{10, 10, 180, 60};

TEST(CaptionLayer, EmptyCaptionOrEmptyClipLeavesTheSurfaceUntouched) {
    EXPECT_TRUE(inkBounds(render(captionStyle(""), kTextRect), kBackgroundPixel).isEmpty());
    const QImage clipped = render(captionStyle("正常按钮文字"), kTextRect, QRect());
    EXPECT_TRUE(inkBounds(clipped, kBackgroundPixel).isEmpty());
}

TEST(CaptionLayer, AmpersandUnderlinesTheFollowingLetterOnly) {
    const QRect letterA = inkBounds(render(captionStyle("A"), kTextRect), kBackgroundPixel);
    const QRect plain = inkBounds(render(captionStyle("AB"), kTextRect), kBackgroundPixel);
    const QImage mnemonic = render(captionStyle("A&B"), kTextRect);

    const QRect underline =
        inkBounds(mnemonic.copy(0, plain.bottom() + 1, kSurfaceSize.width(), 10), kBackgroundPixel);
    ASSERT_FALSE(underline.isEmpty()) << "no underline below the letters";
    EXPECT_GT(underline.left(), letterA.right());
    EXPECT_EQ(underline.height(), 1);
    EXPECT_EQ(mnemonic.copy(plain), render(captionStyle("AB"), kTextRect).copy(plain));

    const QRect doubled = inkBounds(render(captionStyle("A&&B"), kTextRect), kBackgroundPixel);
    EXPECT_EQ(doubled.bottom(), plain.bottom()) << "'&&' must not underline";
    EXPECT_GT(doubled.width(), plain.width()) << "'&&' draws one ampersand";
}

TEST(CaptionLayer, SingleLineDropsLineBreaks) {
    for (const auto* caption : {"AB\nCD", "AB\r\nCD", "\rAB\nCD\n"}) {
        FaceStyle style = captionStyle(caption);
        for (int vAlign : {0, 1, 2}) {
            style.setVAlign(vAlign);
            FaceStyle joined = captionStyle("ABCD");
            joined.setVAlign(vAlign);
            EXPECT_EQ(render(style, kTextRect), render(joined, kTextRect))
                << caption << " vAlign " << vAlign;
        }
    }
}

TEST(CaptionLayer, SingleLineFollowsVAlign) {
    FaceStyle style = captionStyle("正常按钮文字");
    QRect ink[3];
    for (int vAlign : {0, 1, 2}) {
        style.setVAlign(vAlign);
        ink[vAlign] = inkBounds(render(style, kTextRect), kBackgroundPixel);
    }
    EXPECT_LE(ink[0].top() - kTextRect.top(), 3);
    EXPECT_LE(kTextRect.bottom() - ink[2].bottom(), 3);
    EXPECT_NEAR(ink[1].top() - ink[0].top(), ink[2].top() - ink[1].top(), 1);
    EXPECT_EQ(ink[0].height(), ink[2].height());
}

TEST(CaptionLayer, HAlignPlacesTheLine) {
    FaceStyle style = captionStyle("正常按钮文字");
    QRect ink[3];
    for (int hAlign : {0, 1, 2}) {
        style.setHAlign(hAlign);
        ink[hAlign] = inkBounds(render(style, kTextRect), kBackgroundPixel);
    }
    EXPECT_LE(ink[0].left() - kTextRect.left(), 2);
    EXPECT_LE(kTextRect.right() - ink[2].right(), 2);
    EXPECT_NEAR(ink[1].left() - ink[0].left(), ink[2].left() - ink[1].left(), 1);
}

TEST(CaptionLayer, WrappedLinesStackFromTheTopWhateverVAlign) {
    FaceStyle style = captionStyle("AAAA BBBB CCCC DDDD\nEEEE");
    style.setWordWrap(1);
    style.setVAlign(2);
    const QRect narrow{10, 10, 40, 75};
    const QRect ink = inkBounds(render(style, narrow), kBackgroundPixel);
    EXPECT_LE(ink.top() - narrow.top(), 3);
    EXPECT_GT(ink.height(), 4 * 12) << "five lines expected";
    EXPECT_LE(ink.right(), narrow.right()) << "lines break at words before the right edge";

    const QImage bottom = render(style, narrow);
    style.setVAlign(0);
    EXPECT_EQ(render(style, narrow), bottom);
}

TEST(CaptionLayer, WrappedCaptionsBreakOncePerLineEnd) {
    FaceStyle lineFeed = captionStyle("AAAA\nBBBB");
    lineFeed.setWordWrap(1);
    const QImage expected = render(lineFeed, kTextRect);
    EXPECT_GT(inkBounds(expected, kBackgroundPixel).height(), 12) << "two lines expected";
    for (const auto* caption : {"AAAA\r\nBBBB", "AAAA\rBBBB"}) {
        FaceStyle style = captionStyle(caption);
        style.setWordWrap(1);
        EXPECT_EQ(render(style, kTextRect), expected) << caption;
    }
}

TEST(CaptionLayer, TextRunsPastItsRectangleUpToTheClip) {
    const QRect small{10, 10, 20, 10};
    const QImage free = render(captionStyle("正常按钮文字"), small);
    EXPECT_GT(inkBounds(free, kBackgroundPixel).right(), small.right() + 40);
    EXPECT_GT(inkBounds(free, kBackgroundPixel).bottom(), small.bottom());

    const QRect clip{0, 0, 40, 90};
    const QImage clipped = render(captionStyle("正常按钮文字"), small, clip);
    EXPECT_TRUE(clip.contains(inkBounds(clipped, kBackgroundPixel)));
    EXPECT_EQ(clipped.copy(clip), free.copy(clip));
}

// Every pixel of `effect` is explained by the plain caption's ink moved by the layer offsets:
// the main layer by `mainShift` in the text colour, over the effect layer by `effectShift`.
void expectLayersShifted(const QImage& plain, const QImage& effect, QPoint mainShift,
                         QPoint effectShift, QRgb effectPixel) {
    auto inkAt = [&](QPoint p) { return plain.valid(p) && plain.pixel(p) == kRedPixel; };
    for (int y = 0; y < effect.height(); ++y) {
        for (int x = 0; x < effect.width(); ++x) {
            const QPoint p(x, y);
            const QRgb expected = inkAt(p - mainShift)     ? kRedPixel
                                  : inkAt(p - effectShift) ? effectPixel
                                                           : kBackgroundPixel;
            ASSERT_EQ(effect.pixel(p), expected) << "at " << x << "," << y;
        }
    }
}

TEST(CaptionLayer, EffectLayerIsTheMainLayerShifted) {
    struct Case {
        int effect;
        QPoint mainShift;
        QPoint effectShift;
        QRgb effectPixel;
    };
    const Case cases[] = {{1, {0, 0}, {1, 1}, 0xFFFFFFFF},
                          {2, {1, 1}, {0, 0}, 0xFFFFFFFF},
                          {3, {0, 0}, {2, 2}, 0xFF000000}};
    // At twice the density the offsets are twice as many pixels.
    for (int pixelRatio : {1, 2}) {
        DesktopTheme theme;
        theme.pixelRatio = pixelRatio;
        FaceStyle style = captionStyle("正常&按钮 AB");
        const QRect everywhere(QPoint(0, 0), kSurfaceSize);
        const QImage plain = render(style, kTextRect, everywhere, theme);
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "effect " << c.effect << " ratio " << pixelRatio);
            style.setTextEffect(c.effect);
            expectLayersShifted(plain, render(style, kTextRect, everywhere, theme),
                                c.mainShift * pixelRatio, c.effectShift * pixelRatio,
                                c.effectPixel);
        }
    }
}

TEST(CaptionLayer, ShadowIsCutByTheInteriorClipButNotTheMainText) {
    FaceStyle style = captionStyle("WWW");
    style.setHAlign(2);
    style.setTextEffect(static_cast<int>(TextEffect::Shadow));
    const QRect interior{10, 10, 100, 30};
    const QImage unclipped = render(style, interior);
    const QImage clipped = render(style, interior, interior);

    const QRect beyond{interior.right() + 1, 0, 2, kSurfaceSize.height()};
    EXPECT_FALSE(colourBounds(unclipped.copy(beyond), 0xFF000000).isEmpty());
    EXPECT_TRUE(inkBounds(clipped.copy(beyond), kBackgroundPixel).isEmpty());
    EXPECT_GE(colourBounds(clipped, kRedPixel).right(), interior.right() - 1);
    EXPECT_EQ(clipped.copy(interior), unclipped.copy(interior));
}

TEST(CaptionLayer, NoColourTextDrawsBlack) {
    FaceStyle style = captionStyle("AB");
    style.setTextColour(NoColour);
    const QImage image = render(style, kTextRect);
    EXPECT_EQ(colourBounds(image, 0xFF000000), inkBounds(image, kBackgroundPixel));
    EXPECT_FALSE(colourBounds(image, 0xFF000000).isEmpty());
}

TEST(CaptionLayer, TurnedCaptionRunsUpwards) {
    FaceStyle style = captionStyle("AAAAAA");
    style.setVAlign(2);
    FontSpec font;
    font.angle = 900;
    style.setFont(font);
    const QRect ink = inkBounds(render(style, kTextRect), kBackgroundPixel);
    EXPECT_GT(ink.height(), 2 * ink.width());
}

}  // namespace
}  // namespace brontel
