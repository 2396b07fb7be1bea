#pragma once

#include <QImage>

#include "cli/design.h"
#include "cli/image_format.h"
#include "model/bytes.h"
#include "render/desktop_theme.h"

namespace brontel {

// The cell of one state at the design's size: the face over its canvas, the face clipped to
// the rounded region of the design's corners.
QImage renderCell(const Design& design, ButtonState state, const DesktopTheme& theme);

// The cell of one state without its canvas: the face, transparent outside the rounded
// rectangle of the design's corners and partly transparent along their edges.
QImage renderTransparentCell(const Design& design, ButtonState state, const DesktopTheme& theme);

// The four cells as files of the format, in state order: BMP files of renderCell, or PNG
// files of renderTransparentCell. An entry is empty when its memory could not be had.
PerState<Bytes> renderStateImages(const Design& design, const DesktopTheme& theme,
                                  ImageFormat format = ImageFormat::Bmp);

}  // namespace brontel
