#pragma once

#include <array>
#include <cstddef>

#include "model/colour.h"
#include "model/face_style.h"

namespace brontel {

// The colours a gradient runs through: the set ones of three colour fields, in field
// order. Two or three make a gradient, fewer make none.
class ColourList {
public:
    static constexpr std::size_t kCapacity = 3;

    ColourList() = default;

    // Takes the fields in the order 1, 2, 3 and leaves out every NoColour.
    static ColourList fromFields(Colour first, Colour second, Colour third);

    std::size_t size() const { return size_; }
    Colour operator[](std::size_t index) const { return colours_[index]; }
    bool makesGradient() const { return size_ >= 2; }

    bool operator==(const ColourList&) const = default;

private:
    std::array<Colour, kCapacity> colours_{};
    std::size_t size_ = 0;
};

ColourList gradientColourList(const FaceStyle& style);
ColourList frameColourList(const FaceStyle& style);

}  // namespace brontel
