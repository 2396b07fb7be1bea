#pragma once

#include <array>

#include "model/button_state.h"

class QRadioButton;
class QWidget;

namespace brontel {

class ColourPicker;
class ComboBox;
class EditBox;
class FontChooser;
class GroupBox;
class PictureFileChooser;

// The controls of one state's settings page, for the handlers that read them and switch
// them on and off. The widgets belong to the page.
struct SettingsPage {
    ButtonState state = ButtonState::Normal;
    GroupBox* group = nullptr;
    ComboBox* gradientMode = nullptr;
    std::array<ColourPicker*, 3> gradientColours{};  // the pickers "渐变背景颜色1" to "3"
    EditBox* fontField = nullptr;
    ComboBox* textEffect = nullptr;
    ColourPicker* textColour = nullptr;
    ComboBox* wordWrap = nullptr;
    EditBox* captionField = nullptr;
    ComboBox* border = nullptr;
    std::array<ColourPicker*, 3> frameColours{};  // the pickers "渐变边框颜色1" to "3"
    EditBox* frameWidth = nullptr;
    ComboBox* pictureMode = nullptr;
    EditBox* pictureField = nullptr;
    ColourPicker* backColour = nullptr;
    ColourPicker* canvasColour = nullptr;
    std::array<QRadioButton*, 9> alignment{};  // in the order of kAlignmentPositions
    FontChooser* fontChooser = nullptr;
    PictureFileChooser* pictureChooser = nullptr;
};

// Fills `page`, a page of the settings tab control, with the settings group of `state`,
// every control in its initial state. No handler is connected yet.
SettingsPage buildSettingsPage(ButtonState state, QWidget* page);

}  // namespace brontel
