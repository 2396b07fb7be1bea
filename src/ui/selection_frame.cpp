#include "ui/selection_frame.h"

#include <QRegion>

namespace brontel {

void SelectionFrame::moveTo(QPoint place) {
    // A visible widget that moves under others has its whole old and new area repainted,
    // faces included; hidden, it is repainted only within its rim shape, on hiding and on
    // showing again.
    const bool shown = isVisibleTo(parentWidget());
    if (shown) hide();
    move(place);
    if (shown) show();
}

void SelectionFrame::resizeEvent(QResizeEvent* event) {
    const QRect inside = rect().adjusted(kRim, kRim, -kRim, -kRim);
    setMask(inside.isEmpty() ? QRegion(rect()) : QRegion(rect()) - QRegion(inside));
    FaceWidget::resizeEvent(event);
}

}  // namespace brontel
