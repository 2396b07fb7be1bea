#include "render/gradient_table.h"

#include <algorithm>
#include <new>

#include "render/gradient_colour.h"
#include "render/gradient_mode.h"
#include "render/surface.h"

namespace brontel {
namespace {

// Lowest and highest value of a term over [from, to]; terms are linear, so the ends do.
std::int64_t lowest(const AxisTerm& term, int from, int to) {
    return std::min(term.at(from), term.at(to));
}
std::int64_t highest(const AxisTerm& term, int from, int to) {
    return std::max(term.at(from), term.at(to));
}

}  // namespace

GradientAxes GradientAxes::of(int mode, std::int64_t width, std::int64_t height) {
    const std::int64_t diagonal = 2 * std::min(width, height);
    const AxisTerm none{0, 0}, fromLeft{+1, width}, fromRight{-1, width};
    const AxisTerm fromTop{+1, height}, fromBottom{-1, height};
    switch (mode) {
        case gradient::TopToBottom:
            return {none, fromTop, height};
        case gradient::LeftToRight:
            return {fromLeft, none, width};
        case gradient::TopLeftToBottomRight:
            return {fromLeft, fromTop, diagonal};
        case gradient::TopRightToBottomLeft:
            return {fromRight, fromTop, diagonal};
        case gradient::BottomToTop:
            return {none, fromBottom, height};
        case gradient::RightToLeft:
            return {fromRight, none, width};
        case gradient::BottomRightToTopLeft:
            return {fromRight, fromBottom, diagonal};
        default:  // gradient::BottomLeftToTopRight
            return {fromLeft, fromBottom, diagonal};
    }
}

bool GradientTable::build(const QRect& area, const ColourList& colours) {
    first_ =
        lowest(axes_.x, area.left(), area.right()) + lowest(axes_.y, area.top(), area.bottom());
    last_ =
        highest(axes_.x, area.left(), area.right()) + highest(axes_.y, area.top(), area.bottom());
    const std::int64_t count = last_ - first_ + 1;
    pixels_.reset(new (std::nothrow) QRgb[static_cast<std::size_t>(count)]);
    if (!pixels_) return false;
    for (std::int64_t i = 0; i < count; ++i) {
        pixels_[i] = surfacePixel(gradientColourAt(positionOf(i), axes_.extent, colours));
    }
    return true;
}

}  // namespace brontel
