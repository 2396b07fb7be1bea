#include "export/cell_composite.h"

#include <algorithm>
#include <cstring>

namespace brontel {
namespace {

// The composite starts as a private copy of the canvas in the renderer's pixel format;
// bits() detaches a copy that only shares the canvas's pixels, and is null without memory.
QImage canvasCopy(const QImage& canvas) {
    QImage copy = canvas.convertToFormat(QImage::Format_RGB32);
    return copy.isNull() || copy.bits() == nullptr ? QImage() : copy;
}

void copyFaceSpan(const QImage& face, QImage& cell, int y, RegionSpan span) {
    const int left = std::max(span.left, 0);
    const int right = std::min(span.right, cell.width());
    if (left >= right) return;
    const auto* from = reinterpret_cast<const std::uint32_t*>(face.constScanLine(y)) + left;
    auto* to = reinterpret_cast<std::uint32_t*>(cell.scanLine(y)) + left;
    std::memcpy(to, from, static_cast<std::size_t>(right - left) * sizeof(std::uint32_t));
}

}  // namespace

QImage composeCell(const QImage& face, const QImage& canvas,
                   const std::optional<RoundedRegion>& faceRegion) {
    if (face.isNull() || face.size() != canvas.size()) return {};
    if (!faceRegion) return face.convertToFormat(QImage::Format_RGB32);
    const QImage facePixels = face.convertToFormat(QImage::Format_RGB32);
    QImage cell = canvasCopy(canvas);
    if (facePixels.isNull() || cell.isNull()) return {};
    const int rows = std::min(cell.height(), faceRegion->height());
    for (int y = 0; y < rows; ++y) copyFaceSpan(facePixels, cell, y, faceRegion->rowSpan(y));
    return cell;
}

}  // namespace brontel
