#pragma once

#include <string>

#include "model/button_state.h"
#include "model/bytes.h"

namespace brontel {

// The design state that belongs to no single face. Lives from start-up to exit.
struct SharedSettings {
    int buttonWidth = 0;   // 0 until the width field is first applied
    int buttonHeight = 0;  // 0 until the height field is first applied
    int cornerDiameter = 0;
    PerState<std::string> stateTexts;  // the captions of the four-captions dialog
    PerState<Bytes> stateImages;       // the captured cells, each a whole BMP file
    std::string editingText;           // handed to and taken back from the caption editor
};

}  // namespace brontel
