#include "export/corner_coverage.h"

#include <algorithm>
#include <array>

#include "export/rounded_region.h"

namespace brontel {
namespace {

constexpr int kSamples = 64;  // per side of a pixel
constexpr int kSamplesPerPixel = kSamples * kSamples;

// The fine region's spans of the sub-rows of one pixel row, with their extremes.
struct SubRows {
    std::array<RegionSpan, kSamples> spans;
    int minLeft = 0, maxLeft = 0, minRight = 0, maxRight = 0;
};

SubRows subRowsOf(const RoundedRegion& fine, int y) {
    SubRows rows;
    for (int j = 0; j < kSamples; ++j) rows.spans[j] = fine.rowSpan(y * kSamples + j);
    const auto [minLeft, maxLeft] = std::minmax_element(
        rows.spans.begin(), rows.spans.end(), [](auto a, auto b) { return a.left < b.left; });
    const auto [minRight, maxRight] = std::minmax_element(
        rows.spans.begin(), rows.spans.end(), [](auto a, auto b) { return a.right < b.right; });
    rows.minLeft = minLeft->left;
    rows.maxLeft = maxLeft->left;
    rows.minRight = minRight->right;
    rows.maxRight = maxRight->right;
    return rows;
}

// Samples of pixel column x inside the spans of its sub-rows.
int samplesInside(const SubRows& rows, int x) {
    const int left = x * kSamples, right = left + kSamples;
    if (left >= rows.maxLeft && right <= rows.minRight) return kSamplesPerPixel;
    if (right <= rows.minLeft || left >= rows.maxRight) return 0;
    int count = 0;
    for (const RegionSpan& span : rows.spans) {
        count += std::max(0, std::min(span.right, right) - std::max(span.left, left));
    }
    return count;
}

std::uint8_t alphaOf(int samples) {
    if (samples == 0) return 0;
    if (samples == kSamplesPerPixel) return 255;
    const int rounded = (samples * 255 + kSamplesPerPixel / 2) / kSamplesPerPixel;
    return static_cast<std::uint8_t>(std::clamp(rounded, 1, 254));
}

}  // namespace

CornerCoverage::CornerCoverage(int width, int height, int cornerDiameter) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return;
    width_ = width;
    height_ = height;
    alphas_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 255);
    // Held to the longer side first, so the finer rectangle's sizes stay within int.
    const int d = std::clamp(cornerDiameter, 0, std::max(width, height));
    const RoundedRegion fine(width * kSamples, height * kSamples, d * kSamples);
    // Only the rows the corners reach have pixels that are not whole.
    const int cornerRows = (std::min(d, height) + 1) / 2;
    for (int y = 0; y < height; ++y) {
        if (y >= cornerRows && y < height - cornerRows) continue;
        const SubRows rows = subRowsOf(fine, y);
        std::uint8_t* out = alphas_.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) out[x] = alphaOf(samplesInside(rows, x));
    }
}

}  // namespace brontel
