#include "ui/face_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include "export/rounded_region.h"
#include "render/desktop_theme.h"
#include "render/face_painter.h"

namespace brontel {

FaceWidget::FaceWidget(FaceStyle style, QWidget* parent)
    : QWidget(parent), face_{std::move(style), {}} {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FaceWidget::changeStyle(const std::function<void(FaceStyle&)>& change) {
    change(face_.style);
    update();
}

void FaceWidget::setRoundedRegion(int width, int height, int diameter) {
    roundedRegion_.emplace(width, height, diameter);
    QRegion region = toQRegion(*roundedRegion_);
    // Qt reads an empty mask as "no mask"; a region wholly outside the face hides all of
    // it instead, as an empty region must.
    if (region.isEmpty()) region = QRegion(-1, -1, 1, 1);
    setMask(region);
    update();
    exposeBeneath(QRegion(rect()) - region);
}

void FaceWidget::exposeBeneath(const QRegion& uncovered) {
    QWidget* parent = parentWidget();
    if (!parent || !isVisible() || uncovered.isEmpty()) return;
    // Qt redraws only the parent where a mask uncovers it; widgets beneath that paint
    // opaquely, such as the canvas, keep their old pixels unless told themselves.
    const QRegion area = uncovered.translated(pos());
    parent->update(area);
    for (QObject* child : parent->children()) {
        if (child == this) break;  // children are listed from the bottom of the stack up
        auto* sibling = qobject_cast<QWidget*>(child);
        if (!sibling || sibling->isHidden() || sibling->isWindow()) continue;
        const QRegion beneath = area.intersected(sibling->geometry());
        if (!beneath.isEmpty()) sibling->update(beneath.translated(-sibling->pos()));
    }
}

QImage FaceWidget::grabFace() const {
    return renderFace(face_, size(), DesktopTheme::fromPalette(palette()));
}

void FaceWidget::paintEvent(QPaintEvent* event) {
    const QRect area = event->rect() & rect();
    if (area.isEmpty()) return;
    QImage image(size(), QImage::Format_RGB32);
    renderFace(face_, image, area, DesktopTheme::fromPalette(palette()));
    QPainter painter(this);
    painter.drawImage(area.topLeft(), image, area);
}

void FaceWidget::mouseReleaseEvent(QMouseEvent* event) {
    // The press may have been over this face and the release elsewhere; only a release over
    // the visible part counts.
    const QPoint pos = event->position().toPoint();
    const bool overFace = rect().contains(pos) && (!hasRoundedRegion() || mask().contains(pos));
    if (event->button() != Qt::LeftButton || !overFace) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    emit leftButtonReleased();
}

}  // namespace brontel
