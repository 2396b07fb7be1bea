#pragma once

#include <cstdint>

#include "model/colour.h"
#include "render/colour_list.h"

namespace brontel {

// The colour at `position` of a gradient `extent` positions long through `colours`.
// The list is split into equal segments of extent / (count - 1) positions; each segment
// starts exactly at its own colour and blends toward the next, truncating toward the
// segment's first colour. Positions at or past the last segment show the last colour,
// positions before the start the first.
// A list of fewer than two colours has no gradient: it gives its only colour, or NoColour.
Colour gradientColourAt(std::int64_t position, std::int64_t extent, const ColourList& colours);

// One channel of a blend at `fraction` (0 <= fraction < 1) of a segment: binary64
// arithmetic, truncated toward zero, so the result never passes the segment's first
// colour. The gradient table repeats this rule in bulk.
inline int blendChannel(int from, int to, double fraction) {
    return from + static_cast<int>(fraction * static_cast<double>(to - from));
}

}  // namespace brontel
