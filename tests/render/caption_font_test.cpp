#include "render/caption_font.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QString>

#include "render/caption_layer.h"
#include "render/surface.h"
#include "render/surface_ink.h"

namespace brontel {
namespace {

FontSpec fontNamed(std::string name, int size = 9) {
    FontSpec spec;
    spec.name = std::move(name);
    spec.size = size;
    return spec;
}

QFont captionQFont(const std::optional<FontSpec>& spec, const DesktopTheme& theme = {}) {
    return toQFont(captionSystemFont(spec, theme), theme);
}

TEST(CaptionFont, PixelHeightFollowsPointsAndDpi) {
    struct Case {
        int size;
        int dpi;
        int pixels;
    };
    // Halves round up; sizes of 0 or below take the user-interface font's 12 pixels.
    const Case cases[] = {{9, 96, 12}, {10, 96, 13}, {9, 120, 15},
                          {3, 96, 4},  {0, 96, 12},  {-5, 96, 12}};
    for (const auto& c : cases) {
        DesktopTheme theme;
        theme.dpi = c.dpi;
        EXPECT_EQ(captionQFont(fontNamed("宋体", c.size), theme).pixelSize(), c.pixels)
            << c.size << "pt at " << c.dpi;
    }
    EXPECT_EQ(captionQFont(std::nullopt).pixelSize(), 12);
}

// At twice the density the desktop's rounded height is doubled, not recomputed: 10 points
// are 13 pixels, so 26 and never 27, and captions keep their proportions to the face.
TEST(CaptionFont, PixelRatioDoublesTheRoundedHeight) {
    DesktopTheme theme;
    theme.pixelRatio = 2;
    EXPECT_EQ(captionQFont(fontNamed("宋体", 10), theme).pixelSize(), 26);
    EXPECT_EQ(captionQFont(fontNamed("宋体", 9), theme).pixelSize(), 24);
    EXPECT_EQ(captionQFont(std::nullopt, theme).pixelSize(), 24);
}

TEST(CaptionFont, CarriesTheStyleFlags) {
    FontSpec spec = fontNamed("宋体");
    spec.bold = spec.italic = spec.underline = spec.strikeout = true;
    const QFont font = captionQFont(spec);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
    EXPECT_TRUE(font.strikeOut());
    EXPECT_EQ(captionQFont(fontNamed("宋体")).weight(), QFont::Normal);
    EXPECT_FALSE(captionQFont(fontNamed("宋体")).italic());
}

TEST(CaptionFont, SongNamesReachAnInstalledChineseFace) {
    const QStringList chineseFaces{QStringLiteral("AR PL UMing CN"),
                                   QStringLiteral("WenQuanYi Micro Hei")};
    const std::optional<FontSpec> fonts[] = {std::nullopt, fontNamed("宋体"), fontNamed("SimSun"),
                                             fontNamed(std::string(32, 'x'))};
    for (const auto& font : fonts) {
        const QString family = QFontInfo(captionQFont(font)).family();
        EXPECT_TRUE(chineseFaces.contains(family)) << family.toStdString();
    }
}

// Six Song glyphs are 12 pixels wide each: every cell carries ink, and no two cells look
// alike, which rules out the empty boxes of a missing face.
TEST(CaptionFont, ChineseCaptionDrawsItsGlyphs) {
    FaceStyle style;
    style.setCaption("正常按钮文字");
    style.setHAlign(0);
    style.setVAlign(0);
    QImage surface(80, 16, QImage::Format_RGB32);
    surface.fill(0xFFFFFFFF);
    drawCaption(surface, style, surface.rect(), surface.rect(), DesktopTheme{});

    std::vector<QImage> cells;
    for (int i = 0; i < 6; ++i) {
        cells.push_back(surface.copy(12 * i, 0, 12, 16));
        EXPECT_FALSE(test::inkBounds(cells.back(), 0xFFFFFFFF).isEmpty()) << "glyph " << i;
    }
    for (std::size_t i = 0; i < cells.size(); ++i)
        for (std::size_t j = i + 1; j < cells.size(); ++j)
            EXPECT_NE(cells[i], cells[j]) << "glyphs " << i << " and " << j;
    EXPECT_TRUE(test::inkBounds(surface.copy(72, 0, 8, 16), 0xFFFFFFFF).isEmpty());
}

}  // namespace
}  // namespace brontel
