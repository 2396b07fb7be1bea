#include "cli/scaled_design.h"

#include <cstdint>
#include <limits>

namespace brontel {
namespace {

int scaled(int value, int factor) {
    const std::int64_t product = std::int64_t{value} * factor;
    constexpr std::int64_t low = std::numeric_limits<int>::min();
    constexpr std::int64_t high = std::numeric_limits<int>::max();
    return static_cast<int>(product < low ? low : (product > high ? high : product));
}

}  // namespace

Design scaledDesign(const Design& design, int factor) {
    Design result = design;
    result.width = scaled(design.width, factor);
    result.height = scaled(design.height, factor);
    result.cornerDiameter = scaled(design.cornerDiameter, factor);
    for (StateDesign& state : result.states) {
        state.face.setFrameWidth(scaled(state.face.frameWidth(), factor));
    }
    return result;
}

DesktopTheme scaledTheme(const DesktopTheme& theme, int factor) {
    DesktopTheme result = theme;
    result.pixelRatio = theme.pixelRatio * factor;
    return result;
}

}  // namespace brontel
