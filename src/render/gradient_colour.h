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

}  // namespace brontel
