#pragma once

class QWidget;

namespace brontel {

// Places a window that is about to open in the middle of its screen's work area.
void centreOnScreen(QWidget& window);

}  // namespace brontel
