#pragma once

#include "model/shared_settings.h"

namespace brontel {

class MainWindow;

// Wires the controls of the main window that open dialogs over it: the four pages' caption
// fields, the shared captions field and "预览导出". Call once the window is built: the shared
// field shows "点击设置" by then, and that first write must not put the still empty stored
// captions on the faces. `shared` must outlive the window.
void connectDialogHandlers(MainWindow& window, SharedSettings& shared);

}  // namespace brontel
