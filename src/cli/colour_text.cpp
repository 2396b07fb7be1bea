#include "cli/colour_text.h"

#include <cstdio>

namespace brontel {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<int> hexByte(std::string_view two) {
    const int high = hexDigit(two[0]);
    const int low = hexDigit(two[1]);
    if (high < 0 || low < 0) return std::nullopt;
    return high * 16 + low;
}

}  // namespace

std::optional<Colour> parseColourText(std::string_view text) {
    if (text == "none") return NoColour;
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    const auto red = hexByte(text.substr(1, 2));
    const auto green = hexByte(text.substr(3, 2));
    const auto blue = hexByte(text.substr(5, 2));
    if (!red || !green || !blue) return std::nullopt;
    return rgb(*red, *green, *blue);
}

std::string colourText(Colour colour) {
    if (colour == NoColour) return "none";
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", redOf(colour), greenOf(colour),
                  blueOf(colour));
    return text;
}

}  // namespace brontel
