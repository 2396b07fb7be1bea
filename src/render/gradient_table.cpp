#include "render/gradient_table.h"

#include <algorithm>
#include <new>

#include "render/gradient_colour.h"
#include "render/gradient_mode.h"
#include "render/surface.h"
#include "render/vector_clones.h"

namespace brontel {
namespace {

// Lowest and highest value of a term over [from, to]; terms are linear, so the ends do.
std::int64_t lowest(const AxisTerm& term, int from, int to) {
    return std::min(term.at(from), term.at(to));
}
std::int64_t highest(const AxisTerm& term, int from, int to) {
    return std::max(term.at(from), term.at(to));
}

// The pixels of `count` positions of one segment from `from` to `to`, the first `start`
// positions into it; the same arithmetic as gradientColourAt, in a loop that vectorises.
BRONTEL_VECTOR_CLONES void blendRun(QRgb* out, int count, Colour from, Colour to, double start,
                                    double length) {
    for (int k = 0; k < count; ++k) {
        const double fraction = (start + k) / length;
        out[k] = surfacePixel(rgb(blendChannel(redOf(from), redOf(to), fraction),
                                  blendChannel(greenOf(from), greenOf(to), fraction),
                                  blendChannel(blueOf(from), blueOf(to), fraction)));
    }
}

// The pixels of the positions first, first + 1, ... as gradientColourAt gives them, a
// segment at a time, so each position costs one blend and no division of integers.
void fillPositions(QRgb* out, std::int64_t first, std::int64_t count, std::int64_t extent,
                   const ColourList& colours) {
    const auto segments = static_cast<std::int64_t>(colours.size()) - 1;
    const std::int64_t seg = extent / segments;
    std::int64_t done = 0;
    while (done < count && seg > 0 && (first + done) / seg < segments) {
        const std::int64_t position = first + done;
        const std::int64_t run = std::min(seg - position % seg, count - done);
        const auto segment = static_cast<std::size_t>(position / seg);
        blendRun(out + done, static_cast<int>(run), colours[segment], colours[segment + 1],
                 static_cast<double>(position % seg), static_cast<double>(seg));
        done += run;
    }
    const Colour rest = seg > 0 ? colours[colours.size() - 1] : colours[0];
    std::fill(out + done, out + count, surfacePixel(rest));
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
    fillPositions(pixels_.get(), first_, count, axes_.extent, colours);
    if (axes_.x.direction < 0) std::reverse(pixels_.get(), pixels_.get() + count);
    return true;
}

}  // namespace brontel
