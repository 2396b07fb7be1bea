#include "render/caption_font.h"

#include <QString>
#include <cstdlib>

#include "render/font_substitutions.h"

namespace brontel {
namespace {

// The height the desktop gives a font that leaves the choice to it.
constexpr int kDefaultPixelHeight = 12;

int pixelHeight(const SystemFont& font, const DesktopTheme& theme) {
    if (font.height != 0) return std::abs(font.height);
    if (theme.uiFont.height != 0) return std::abs(theme.uiFont.height);
    return kDefaultPixelHeight;
}

// Desktop weights run from 1 to 1000 like Qt's; 0 means the typeface's normal weight.
int qtWeight(int weight) {
    constexpr int kHeaviest = 1000;
    if (weight <= 0) return QFont::Normal;
    return weight > kHeaviest ? kHeaviest : weight;
}

}  // namespace

SystemFont captionSystemFont(const std::optional<FontSpec>& font, const DesktopTheme& theme) {
    return font ? toSystemFont(*font, theme.dpi) : theme.uiFont;
}

QFont toQFont(const SystemFont& font, const DesktopTheme& theme) {
    installFontSubstitutions();
    QFont qfont(QString::fromStdString(effectiveFaceName(font.faceName)));
    qfont.setPixelSize(pixelHeight(font, theme) * theme.pixelRatio);
    qfont.setWeight(static_cast<QFont::Weight>(qtWeight(font.weight)));
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikeout);
    qfont.setStyleStrategy(QFont::NoAntialias);
    qfont.setHintingPreference(QFont::PreferFullHinting);
    qfont.setKerning(false);
    return qfont;
}

}  // namespace brontel
