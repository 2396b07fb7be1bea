#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/colour.h"

namespace brontel {

// Colours in design files are written as on the web, red first: "#RRGGBB", or "none" for
// NoColour.
std::optional<Colour> parseColourText(std::string_view text);
std::string colourText(Colour colour);

}  // namespace brontel
