#pragma once

#include <QImage>
#include <optional>

#include "export/corner_coverage.h"
#include "export/rounded_region.h"

namespace brontel {

// The image of one preview cell: the face's pixel where the face's region covers it, the
// canvas's pixel everywhere else. Face and canvas lie exactly over each other, so they must
// have the same size, which is the cell's. The region counts only where it overlaps the
// face; no region means the face is whole. A null image when the sizes differ, the cell has
// no pixels, or its memory cannot be had.
QImage composeCell(const QImage& face, const QImage& canvas,
                   const std::optional<RoundedRegion>& faceRegion);

// The image of one cell for formats with an alpha channel: the face alone, in
// Format_ARGB32 (straight alpha), every pixel in the face's colour with the coverage's alpha.
// So pixels wholly inside the rounded rectangle are exactly composeCell's, the corners fade
// out instead of showing the canvas, and square corners give the opaque face. A null image
// when the sizes differ, the cell has no pixels, or its memory cannot be had.
QImage composeTransparentCell(const QImage& face, const CornerCoverage& coverage);

}  // namespace brontel
