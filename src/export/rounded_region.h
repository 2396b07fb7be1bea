#pragma once

#include <vector>

class QRegion;

namespace brontel {

// The pixels of one row that lie inside a region: left <= x < right. Empty when left >= right.
struct RegionSpan {
    int left = 0;
    int right = 0;

    bool isEmpty() const { return left >= right; }
    bool operator==(const RegionSpan&) const = default;
};

// The rounded rectangle from (0, 0) to (width, height) that clips a face: its corners are
// quarter ellipses cornerDiameter pixels wide and high. A diameter above the width or height
// is held to it (each axis on its own), a negative one counts as 0 (square corners), and a
// width or height of 0 or less gives the empty region.
//
// Pixel rule: pixel (x, y) belongs to the region when its centre (x + 0.5, y + 0.5) lies
// inside the rectangle and, within a corner square, inside or on that corner's ellipse. The
// test is done in exact integer arithmetic, so the region is mirror-symmetric left to right
// and top to bottom for every size.
class RoundedRegion {
public:
    RoundedRegion() = default;
    RoundedRegion(int width, int height, int cornerDiameter);

    int width() const { return width_; }
    int height() const { return height_; }
    bool isEmpty() const { return width_ <= 0 || height_ <= 0; }

    // The pixels of row y inside the region; empty outside 0 <= y < height.
    RegionSpan rowSpan(int y) const;
    bool contains(int x, int y) const;

private:
    int width_ = 0;
    int height_ = 0;
    // How far the region starts from the left edge in each row the top corners cut; the
    // bottom corners mirror these rows, and every other row is whole.
    std::vector<int> cornerInsets_;
};

// The same pixels as a Qt region, one rectangle per run of equal consecutive rows, for
// window masks.
QRegion toQRegion(const RoundedRegion& region);

}  // namespace brontel
