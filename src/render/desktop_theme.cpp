#include "render/desktop_theme.h"

#include <QColor>
#include <QPalette>

namespace brontel {
namespace {

Colour colourOf(const QPalette& palette, QPalette::ColorRole role) {
    const QColor colour = palette.color(QPalette::Active, role);
    return rgb(colour.red(), colour.green(), colour.blue());
}

}  // namespace

// Qt's roles name the same 3-D colours the desktop edges are drawn from: Button is the face,
// Light the highlight, Midlight the light, Dark the shadow and Shadow the dark shadow. Qt has
// no window-frame role; Shadow, its darkest line colour, stands in for it.
DesktopTheme DesktopTheme::fromPalette(const QPalette& palette) {
    DesktopTheme theme;
    theme.face = colourOf(palette, QPalette::Button);
    theme.highlight = colourOf(palette, QPalette::Light);
    theme.light = colourOf(palette, QPalette::Midlight);
    theme.shadow = colourOf(palette, QPalette::Dark);
    theme.darkShadow = colourOf(palette, QPalette::Shadow);
    theme.windowFrame = colourOf(palette, QPalette::Shadow);
    return theme;
}

}  // namespace brontel
