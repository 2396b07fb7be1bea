#pragma once

class QPushButton;
class QWidget;

namespace brontel {

class ColourPicker;
class EditBox;
class GroupBox;
class PictureFileChooser;

// The controls of the shared-settings group "统一按设置钮", for the handlers of the settings
// that apply to all four faces at once. The widgets belong to the group.
struct SharedGroup {
    GroupBox* group = nullptr;
    EditBox* heightField = nullptr;
    EditBox* widthField = nullptr;
    ColourPicker* canvasColour = nullptr;
    EditBox* cornerField = nullptr;
    QPushButton* previewExport = nullptr;
    EditBox* captionsField = nullptr;
    EditBox* pictureField = nullptr;
    PictureFileChooser* pictureChooser = nullptr;
};

// Builds the group inside the main window, every control in its initial state. No handler
// is connected yet.
SharedGroup buildSharedGroup(QWidget* window);

}  // namespace brontel
