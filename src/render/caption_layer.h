#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include "model/face_style.h"
#include "render/desktop_theme.h"

namespace brontel {

// Qt text flags for the caption's alignment and wrapping: mnemonic ampersands, no cut at
// the text rectangle, and `vAlign` only for single-line captions (wrapped lines stack from
// the top).
int captionFlags(const FaceStyle& style);

// The caption as it is laid out: single-line captions lose their line breaks; wrapped
// captions break once per CR LF pair.
QString captionLayoutText(const FaceStyle& style);

// Draws the face's caption, with its text effect, laid out in `textRect` and cut only by
// `clip`, onto `surface` (in its pixel coordinates). No painter may be active on the surface.
// An empty caption draws nothing and makes no font.
void drawCaption(QImage& surface, const FaceStyle& style, const QRect& textRect, const QRect& clip,
                 const DesktopTheme& theme);

}  // namespace brontel
