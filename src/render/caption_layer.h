#pragma once

#include <QImage>
#include <QRect>

#include "model/face_style.h"
#include "render/desktop_theme.h"

namespace brontel {

// Draws the face's caption, with its text effect, laid out in `textRect` and cut only by
// `clip`, onto `surface` (in its pixel coordinates). No painter may be active on the surface.
// An empty caption draws nothing and makes no font.
void drawCaption(QImage& surface, const FaceStyle& style, const QRect& textRect, const QRect& clip,
                 const DesktopTheme& theme);

}  // namespace brontel
