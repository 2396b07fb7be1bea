#pragma once

#include <vector>

class QWidget;

namespace brontel {

// Restacks siblings so that the first one lies on top, the next one below it, and so on;
// the upper one is drawn over the lower ones and receives the mouse where they overlap.
void stackTopmostFirst(const std::vector<QWidget*>& siblings);

}  // namespace brontel
