#pragma once

#include <cstdint>
#include <vector>

namespace brontel {

// How much of each pixel the rounded rectangle of a face covers, as an alpha from 0 to 255:
// the shape of RoundedRegion (corners are quarter ellipses cornerDiameter pixels wide and
// high, each axis held to the size, a negative diameter counting as 0), measured by area
// instead of by the pixel's centre, so that an image with an alpha channel has smooth corner
// edges instead of the region's steps.
//
// Coverage rule: every pixel is sampled at the centres of a grid of 64 x 64 sub-squares, and
// a sample counts when RoundedRegion's exact integer centre rule, applied to the rectangle
// drawn 64 times finer, puts it inside. With n of the 4096 samples inside, the alpha is
// round(255 * n / 4096), except that a partly covered pixel never rounds to 0 or 255: alpha
// 255 means all samples inside, 0 none. Integer arithmetic throughout, so the mask is
// the same on every machine and exactly mirror-symmetric left to right and top to bottom.
// A pixel whose centre the region holds always has some alpha, and one whose centre it
// leaves out is never opaque.
class CornerCoverage {
public:
    // Sides up to this are measured; a larger side, or one of 0 or less, gives the empty
    // mask. Cells are far smaller.
    static constexpr int kMaxSide = 1 << 16;

    CornerCoverage() = default;
    CornerCoverage(int width, int height, int cornerDiameter);

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return alphas_.empty(); }

    // The alphas of row y (0 <= y < height), width() of them.
    const std::uint8_t* row(int y) const {
        return alphas_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    }
    std::uint8_t alpha(int x, int y) const { return row(y)[x]; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> alphas_;
};

}  // namespace brontel
