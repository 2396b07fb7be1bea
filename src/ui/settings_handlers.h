#pragma once

#include "model/shared_settings.h"

namespace brontel {

class ChooserDialogs;
class MainWindow;

// Wires every settings control that changes the faces: the four state pages' values and
// choosers and the shared group's sizes, corners, canvas colour and picture. Call once,
// after the window is built and before it is shown; `shared` and `dialogs` must outlive
// the window.
void connectSettingsHandlers(const MainWindow& window, SharedSettings& shared,
                             ChooserDialogs& dialogs);

}  // namespace brontel
