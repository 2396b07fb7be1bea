#pragma once

#include <QImage>
#include <QRect>
#include <functional>
#include <optional>

#include "render/colour_list.h"
#include "render/gradient_mode.h"

namespace brontel {

// Gradients are painted a row of tiles at a time, from the top. Only the positions the
// clipped area reaches are computed, and only the tiles that meet it are copied.
inline constexpr int kGradientTileSize = 50;

// Columns [left, right) of one surface row that a fill may touch.
struct RowSpan {
    int left;
    int right;
};

// Narrows each surface row of a fill beyond its clip rectangle (the mitred corners of the
// gradient frame). An empty function narrows nothing.
using RowLimit = std::function<RowSpan(int y)>;

// Paints the gradient of `mode` (1 to 8) through `colours` over `rect`, touching only the
// pixels that lie inside `clip` (when given), inside `rowLimit` and on the surface. The
// gradient is laid over the whole of `rect` whatever part is painted. Fails, painting
// nothing, when the mode is outside 1 to 8, the list has fewer than 2 colours, the
// rectangle is empty, the surface is not a 32-bit one, or the working table cannot be had.
bool fillGradient(QImage& surface, const QRect& rect, std::optional<QRect> clip, int mode,
                  const ColourList& colours, const RowLimit& rowLimit = {});

}  // namespace brontel
