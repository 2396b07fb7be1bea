#include "render/gradient_colour.h"

namespace brontel {
namespace {

Colour blendInSegment(Colour from, Colour to, std::int64_t offset, std::int64_t length) {
    const double fraction = static_cast<double>(offset) / static_cast<double>(length);
    return rgb(blendChannel(redOf(from), redOf(to), fraction),
               blendChannel(greenOf(from), greenOf(to), fraction),
               blendChannel(blueOf(from), blueOf(to), fraction));
}

}  // namespace

Colour gradientColourAt(std::int64_t position, std::int64_t extent, const ColourList& colours) {
    if (colours.size() == 0) return NoColour;
    if (colours.size() == 1) return colours[0];
    const auto lastSegment = static_cast<std::int64_t>(colours.size()) - 2;
    const std::int64_t seg = extent / (lastSegment + 1);
    if (seg <= 0 || position < 0) return colours[0];
    const std::int64_t segment = position / seg;
    if (segment > lastSegment) return colours[colours.size() - 1];
    const auto i = static_cast<std::size_t>(segment);
    return blendInSegment(colours[i], colours[i + 1], position % seg, seg);
}

}  // namespace brontel
