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

// Puts the row's alphas over the colours of a row of 0xAARRGGBB words.
void applyAlphas(std::uint32_t* row, const std::uint8_t* alphas, int width) {
    for (int x = 0; x < width; ++x) {
        row[x] = (row[x] & 0x00FFFFFFu) | (static_cast<std::uint32_t>(alphas[x]) << 24);
    }
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

QImage composeTransparentCell(const QImage& face, const CornerCoverage& coverage) {
    if (face.isNull() || face.width() != coverage.width() || face.height() != coverage.height()) {
        return {};
    }
    QImage cell = face.convertToFormat(QImage::Format_ARGB32);
    if (cell.isNull() || cell.bits() == nullptr) return {};
    for (int y = 0; y < cell.height(); ++y) {
        applyAlphas(reinterpret_cast<std::uint32_t*>(cell.scanLine(y)), coverage.row(y),
                    cell.width());
    }
    return cell;
}

}  // namespace brontel
