#pragma once

#include <cstdint>

namespace brontel {

// Colours are 0x00BBGGRR: red in the low byte, as the design files and BMP writer expect.
using Colour = std::uint32_t;

// Marks "the default colour": the desktop's button face as a background, and
// "left out" in a gradient or frame colour list.
inline constexpr Colour NoColour = 0xFF000000u;

constexpr int redOf(Colour c) { return static_cast<int>(c & 0xFFu); }
constexpr int greenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFFu); }
constexpr int blueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFFu); }

constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red & 0xFF) | (static_cast<Colour>(green & 0xFF) << 8) |
           (static_cast<Colour>(blue & 0xFF) << 16);
}

}  // namespace brontel
