#include "render/gradient_fill.h"

#include <algorithm>

#include "render/gradient_table.h"
#include "render/pixel_span.h"
#include "render/surface.h"

namespace brontel {
namespace {

// Paints one gradient fill from its table, row of tiles by row of tiles from the top; only
// the tiles that meet the painted area are painted. The tiles of one row that meet it lie
// side by side, so along each surface row their parts join into one span, copied at once.
// Rectangles are in surface coordinates.
class TilePainter {
public:
    TilePainter(QImage& surface, const QRect& rect, const GradientTable& table,
                const RowLimit& rowLimit)
        : bits_(surface.bits()),
          bytesPerLine_(surface.bytesPerLine()),
          rect_(rect),
          table_(table),
          rowLimit_(rowLimit) {}

    void paint(const QRect& area) {
        const int firstRow = (area.top() - rect_.top()) / kGradientTileSize;
        const int lastRow = (area.bottom() - rect_.top()) / kGradientTileSize;
        for (int row = firstRow; row <= lastRow; ++row) paintTileRow(tileRow(row) & area);
    }

private:
    QRect tileRow(int row) const {
        return {rect_.left(), rect_.top() + row * kGradientTileSize, rect_.width(),
                kGradientTileSize};
    }

    // `part`: the parts of one row of tiles inside the painted area.
    void paintTileRow(const QRect& part) {
        if (!rowLimit_) {
            paintRows(part.left(), part.left() + part.width(), part.top(), part.height());
            return;
        }
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const RowSpan limit = rowLimit_(y);
            const int left = std::max(part.left(), limit.left);
            const int right = std::min(part.left() + part.width(), limit.right);
            if (left < right) paintRows(left, right, y, 1);
        }
    }

    // Columns [left, right) of `rows` rows from `top`.
    void paintRows(int left, int right, int top, int rows) {
        QRgb* target = reinterpret_cast<QRgb*>(bits_ + top * bytesPerLine_) + left;
        const QRgb* source = table_.at(left - rect_.left(), top - rect_.top());
        const std::ptrdiff_t stride = bytesPerLine_ / static_cast<qsizetype>(sizeof(QRgb));
        if (table_.variesAlongRow()) {
            copyRows(target, stride, source, table_.rowStep(), rows, right - left);
        } else {
            fillRows(target, stride, source, table_.rowStep(), rows, right - left);
        }
    }

    uchar* bits_;
    qsizetype bytesPerLine_;
    QRect rect_;
    const GradientTable& table_;
    const RowLimit& rowLimit_;
};

bool validRequest(const QImage& surface, const QRect& rect, int mode, const ColourList& colours) {
    return mode >= gradient::First && mode <= gradient::Last && colours.makesGradient() &&
           !rect.isEmpty() && isPaintableSurface(surface);
}

}  // namespace

bool fillGradient(QImage& surface, const QRect& rect, std::optional<QRect> clip, int mode,
                  const ColourList& colours, const RowLimit& rowLimit) {
    if (!validRequest(surface, rect, mode, colours)) return false;
    QRect area = rect & surface.rect();
    if (clip) area &= *clip;
    if (area.isEmpty()) return true;
    GradientTable table(GradientAxes::of(mode, rect.width(), rect.height()));
    if (!table.build(area.translated(-rect.topLeft()), colours)) return false;
    TilePainter(surface, rect, table, rowLimit).paint(area);
    return true;
}

}  // namespace brontel
