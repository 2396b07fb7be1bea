#pragma once

#include <QRect>
#include <QRgb>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "render/colour_list.h"

namespace brontel {

// How one coordinate of a pixel adds to its gradient position: not at all (0), as its
// offset from the rectangle's start edge (+1), or from its far edge (-1).
struct AxisTerm {
    int direction = 0;
    std::int64_t length = 0;

    std::int64_t at(std::int64_t offset) const {
        if (direction == 0) return 0;
        return direction > 0 ? offset : length - 1 - offset;
    }
};

// A mode's position rule over a W x H rectangle: position = x.at(x) + y.at(y).
struct GradientAxes {
    AxisTerm x;
    AxisTerm y;
    std::int64_t extent = 0;

    static GradientAxes of(int mode, std::int64_t width, std::int64_t height);
};

// The surface pixel of every position an area of the rectangle reaches. The colour depends
// only on the position, so a gradient needs one computation per position, not per pixel.
// Entries run in the order a row meets them from left to right: along any row the pixels
// are one contiguous slice of the table, or one entry when x plays no part.
class GradientTable {
public:
    explicit GradientTable(const GradientAxes& axes) : axes_(axes) {}

    // Computes the entries for `area` (rectangle-relative). False when the table cannot be
    // allocated.
    bool build(const QRect& area, const ColourList& colours);

    // True when pixels along a row differ, so rows are copied rather than filled.
    bool variesAlongRow() const { return axes_.x.direction != 0; }

    // How far the entry of a pixel moves in the table from one row to the next.
    std::ptrdiff_t rowStep() const {
        return axes_.x.direction < 0 ? -axes_.y.direction : axes_.y.direction;
    }

    // The entry of the rectangle-relative pixel (x, y); the next pixels of its row follow.
    const QRgb* at(int x, int y) const {
        return pixels_.get() + indexOf(axes_.x.at(x) + axes_.y.at(y));
    }

private:
    std::int64_t indexOf(std::int64_t position) const {
        return axes_.x.direction < 0 ? last_ - position : position - first_;
    }

    GradientAxes axes_;
    std::int64_t first_ = 0;
    std::int64_t last_ = -1;
    std::unique_ptr<QRgb[]> pixels_;
};

}  // namespace brontel
