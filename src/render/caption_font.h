#pragma once

#include <QFont>
#include <optional>

#include "model/font_spec.h"
#include "render/desktop_theme.h"

namespace brontel {

// The desktop font a caption is drawn in: the face's own font, or the desktop's
// user-interface font when the face has none.
SystemFont captionSystemFont(const std::optional<FontSpec>& font, const DesktopTheme& theme);

// The Qt font for a desktop font. Sizes are in pixels, so the result never depends on the
// screen it is shown on; a height of 0 takes the user-interface font's height. Glyphs are
// drawn without anti-aliasing, as the desktop draws captions at proof quality: each pixel is
// either ink or untouched, which also keeps images the same from machine to machine. The
// desktop's rounded pixel height is multiplied by the theme's pixelRatio, so a high-density
// caption is exactly twice as high as its ordinary twin.
QFont toQFont(const SystemFont& font, const DesktopTheme& theme);

}  // namespace brontel
