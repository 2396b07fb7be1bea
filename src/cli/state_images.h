#pragma once

#include <QImage>

#include "cli/design.h"
#include "model/bytes.h"
#include "render/desktop_theme.h"

namespace brontel {

// The cell of one state at the design's size: the face over its canvas, the face clipped to
// the rounded region of the design's corners.
QImage renderCell(const Design& design, ButtonState state, const DesktopTheme& theme);

// The four cells as BMP files, in state order. An entry is empty when its memory could not
// be had.
PerState<Bytes> renderStateImages(const Design& design, const DesktopTheme& theme);

}  // namespace brontel
