#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brontel {

// The number the settings fields read from their text: leading white space skipped, then
// a sign, digits with a decimal point and an exponent ("e" or "d"); reading stops at the
// first other character, and text without a number is 0. Full-width digits count.
double textToNumber(std::string_view utf8);

// As textToNumber, but a sign and decimal digits only. Overflow wraps around as 32-bit
// arithmetic does: the fields never refuse what was typed.
std::int32_t textToInteger(std::string_view utf8);

std::string numberToText(std::int64_t value);

// A number turned into a pixel count: truncated toward zero; values beyond the 32-bit
// range (and NaN) are held at its ends, so that no text can make an undefined size.
std::int32_t truncateToPixels(double value);

}  // namespace brontel
