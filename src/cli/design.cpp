#include "cli/design.h"

namespace brontel {

Design initialDesign() {
    Design design;
    for (ButtonState state : kButtonStates) {
        design.states[indexOf(state)].face = initialFaceStyle(state);
    }
    return design;
}

}  // namespace brontel
