#include "render/gradient_fill.h"

#include <algorithm>
#include <array>
#include <limits>

#include "render/gradient_table.h"
#include "render/surface.h"

namespace brontel {
namespace {

constexpr RowSpan kWholeRow{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};

// Paints the tiles of one gradient fill from its table. Rectangles are in surface
// coordinates; `area` is the part of the rectangle that may be painted.
class TilePainter {
public:
    TilePainter(QImage& surface, const QRect& rect, const GradientTable& table,
                const RowLimit& rowLimit)
        : surface_(surface), rect_(rect), table_(table), rowLimit_(rowLimit) {}

    // Row of tiles by row of tiles from the top, each row from the left; only the tiles
    // that meet `area` are visited.
    void paint(const QRect& area) {
        const int firstColumn = (area.left() - rect_.left()) / kGradientTileSize;
        const int lastColumn = (area.right() - rect_.left()) / kGradientTileSize;
        const int firstRow = (area.top() - rect_.top()) / kGradientTileSize;
        const int lastRow = (area.bottom() - rect_.top()) / kGradientTileSize;
        for (int row = firstRow; row <= lastRow; ++row) {
            limitRows(tileAt(row, firstColumn) & area);
            for (int column = firstColumn; column <= lastColumn; ++column) {
                paintTile(tileAt(row, column) & area);
            }
        }
    }

private:
    QRect tileAt(int row, int column) const {
        return {rect_.left() + column * kGradientTileSize, rect_.top() + row * kGradientTileSize,
                kGradientTileSize, kGradientTileSize};
    }

    // The row limits of one row of tiles, asked once per surface row.
    void limitRows(const QRect& tileRow) {
        firstLimitedRow_ = tileRow.top();
        for (int y = tileRow.top(); y <= tileRow.bottom(); ++y) {
            limits_[y - firstLimitedRow_] = rowLimit_ ? rowLimit_(y) : kWholeRow;
        }
    }

    void paintTile(const QRect& part) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const RowSpan& limit = limits_[y - firstLimitedRow_];
            const int left = std::max(part.left(), limit.left);
            const int right = std::min(part.left() + part.width(), limit.right);
            if (left < right) paintSpan(left, right, y);
        }
    }

    void paintSpan(int left, int right, int y) {
        QRgb* target = surfaceRow(surface_, y) + left;
        const QRgb* source = table_.at(left - rect_.left(), y - rect_.top());
        if (table_.variesAlongRow()) {
            std::copy_n(source, right - left, target);
        } else {
            std::fill_n(target, right - left, *source);
        }
    }

    QImage& surface_;
    QRect rect_;
    const GradientTable& table_;
    const RowLimit& rowLimit_;
    std::array<RowSpan, kGradientTileSize> limits_{};
    int firstLimitedRow_ = 0;
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
