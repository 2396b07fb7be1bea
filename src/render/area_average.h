#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace brontel {

// Resamples an opaque Format_RGB32 picture to `size` by area averaging: every result pixel
// is the mean of the source area it covers, each source pixel weighted by the exact part of
// it that lies inside, rounded to the nearest value once at the end. Only the pixels of
// `part` (result coordinates, inside the result) are computed; the returned image holds
// them, part.width() x part.height(). A null image for an empty part or when memory runs out.
QImage areaAverage(const QImage& source, QSize size, const QRect& part);

}  // namespace brontel
