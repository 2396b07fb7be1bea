#include "render/colour_list.h"

namespace brontel {

ColourList ColourList::fromFields(Colour first, Colour second, Colour third) {
    ColourList list;
    for (Colour colour : {first, second, third}) {
        if (colour != NoColour) list.colours_[list.size_++] = colour;
    }
    return list;
}

ColourList gradientColourList(const FaceStyle& style) {
    return ColourList::fromFields(style.gradientColour1(), style.gradientColour2(),
                                  style.gradientColour3());
}

ColourList frameColourList(const FaceStyle& style) {
    return ColourList::fromFields(style.frameColour1(), style.frameColour2(), style.frameColour3());
}

}  // namespace brontel
