#pragma once

#include <string>

#include "model/button_state.h"
#include "model/colour.h"
#include "model/face_style.h"
#include "model/initial_styles.h"

namespace brontel {

// One state of a design file: the face's style and the colour of the canvas beneath it.
struct StateDesign {
    FaceStyle face;
    Colour canvasColour = kInitialCanvasColour;
    std::string picturePath;  // as the design file names it; empty for no picture

    bool operator==(const StateDesign&) const = default;
};

// Everything brontel-render draws: the shared size and corners and the four states.
struct Design {
    int width = kMaxButtonWidth;
    int height = kMaxButtonHeight;
    int cornerDiameter = 0;
    PerState<StateDesign> states;

    bool operator==(const Design&) const = default;
};

// The design of a freshly started program: what its preview command captures at start.
Design initialDesign();

// Names of the four state objects in a design file, in state order.
inline constexpr PerState<const char*> kStateKeys{"normal", "hot", "pressed", "disabled"};

}  // namespace brontel
