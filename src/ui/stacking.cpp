#include "ui/stacking.h"

#include <QWidget>
#include <ranges>

namespace brontel {

void stackTopmostFirst(const std::vector<QWidget*>& siblings) {
    // Raising the bottom one first leaves the first one raised last, so on top.
    for (QWidget* sibling : std::views::reverse(siblings)) sibling->raise();
}

}  // namespace brontel
