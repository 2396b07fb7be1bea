#pragma once

#include <cstdint>
#include <vector>

namespace brontel {

// One image row of 0xAARRGGBB words to `width` blue-green-red byte triples, as a BMP file
// stores them. Writes exactly 3 * width bytes; alpha is dropped. Uses the fastest way this
// processor offers.
void toBgrRow(const std::uint32_t* pixels, std::uint8_t* out, int width);

// The same without processor-specific instructions: the fallback, and the reference the
// fast ways are tested against.
void toBgrRowPortable(const std::uint32_t* pixels, std::uint8_t* out, int width);

using BgrRowConverter = void (*)(const std::uint32_t* pixels, std::uint8_t* out, int width);

// Every way this processor can run, fastest first, the portable one last.
std::vector<BgrRowConverter> availableBgrRowConverters();

}  // namespace brontel
