#include "export/rounded_region.h"

#include <QRegion>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace brontel {
namespace {

// Squares of pixel distances reach 2^124 for the largest regions.
__extension__ typedef unsigned __int128 Wide;

// The largest a with (a * dy)^2 <= limit: a floating estimate, made exact by whole steps.
std::int64_t largestScaledRoot(Wide limit, std::int64_t dy, double estimate) {
    auto fits = [&](std::int64_t a) {
        const Wide scaled = static_cast<Wide>(a) * static_cast<Wide>(dy);
        return scaled * scaled <= limit;
    };
    std::int64_t a = std::max<std::int64_t>(0, static_cast<std::int64_t>(estimate));
    while (a > 0 && !fits(a)) --a;
    while (fits(a + 1)) ++a;
    return a;
}

// Left inset of top row y under an ellipse dx wide and dy high. In doubled coordinates a
// pixel centre is X = 2x + 1 - dx, Y = 2y + 1 - dy from the ellipse centre, and lies inside
// when X^2 dy^2 + Y^2 dx^2 <= dx^2 dy^2; the inset is the first x whose |X| is small enough.
int cornerInset(std::int64_t dx, std::int64_t dy, int y) {
    const std::int64_t absY = dy - 1 - 2 * static_cast<std::int64_t>(y);
    const std::int64_t room = (dy - absY) * (dy + absY);  // dy^2 - Y^2 > 0
    const Wide limit = static_cast<Wide>(dx) * static_cast<Wide>(dx) * static_cast<Wide>(room);
    const double estimate =
        static_cast<double>(dx) * std::sqrt(static_cast<double>(room)) / static_cast<double>(dy);
    const std::int64_t maxAbsX = largestScaledRoot(limit, dy, estimate);
    return static_cast<int>(std::max<std::int64_t>(0, (dx - maxAbsX) / 2));
}

}  // namespace

RoundedRegion::RoundedRegion(int width, int height, int cornerDiameter) {
    if (width <= 0 || height <= 0) return;
    width_ = width;
    height_ = height;
    const int d = std::max(cornerDiameter, 0);
    const int dx = std::min(d, width);
    const int dy = std::min(d, height);
    if (dx == 0 || dy == 0) return;
    // Rows from dy / 2 on have their centre at or below the ellipse's middle: whole rows.
    cornerInsets_.resize(static_cast<std::size_t>(dy / 2));
    for (int y = 0; y < dy / 2; ++y)
        cornerInsets_[static_cast<std::size_t>(y)] = cornerInset(dx, dy, y);
}

RegionSpan RoundedRegion::rowSpan(int y) const {
    if (y < 0 || y >= height_) return {};
    const int corners = static_cast<int>(cornerInsets_.size());
    const int mirrored = std::min(y, height_ - 1 - y);
    const int inset = mirrored < corners ? cornerInsets_[static_cast<std::size_t>(mirrored)] : 0;
    return {inset, width_ - inset};
}

bool RoundedRegion::contains(int x, int y) const {
    const RegionSpan span = rowSpan(y);
    return x >= span.left && x < span.right;
}

QRegion toQRegion(const RoundedRegion& region) {
    QRegion result;
    int y = 0;
    while (y < region.height()) {
        const RegionSpan span = region.rowSpan(y);
        int end = y + 1;
        while (end < region.height() && region.rowSpan(end) == span) ++end;
        if (!span.isEmpty()) result += QRect(span.left, y, span.right - span.left, end - y);
        y = end;
    }
    return result;
}

}  // namespace brontel
