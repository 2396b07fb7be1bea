#pragma once

namespace brontel {

class ChooserDialogs;
class FaceWidget;
struct SettingsPage;

// The handlers of a state page's rows that choose through a dialog: the caption font, the
// background picture and the picture's placement. They touch only that page's controls and
// its state's face.

// Font field released: OK gives the face the dialog's font (its colour is not used, the
// caption colour has its own picker); Cancel gives it the desktop's user-interface font.
// Either way the field shows the font's name and point size.
void onFontFieldReleased(const SettingsPage& page, FaceWidget& face, ChooserDialogs& dialogs);

// Picture field released: OK shows the file's path, gives the face the file's bytes and
// switches the placement combo on; Cancel empties the field, takes the face's picture away
// and switches the combo off. The face's placement is left as it is.
void onPictureFieldReleased(const SettingsPage& page, FaceWidget& face, ChooserDialogs& dialogs);

// Placement chosen: "不使用" switches the picture field off, resets it and takes the face's
// picture away; a placement switches the field on and becomes the face's pictureMode.
void onPictureModeChosen(const SettingsPage& page, FaceWidget& face);

// Wires the page's font field, picture field and placement combo. `dialogs` must outlive
// the page.
void connectChooserHandlers(const SettingsPage& page, FaceWidget& face, ChooserDialogs& dialogs);

}  // namespace brontel
