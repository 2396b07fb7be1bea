#include "ui/state_image_button.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace brontel {

StateImageButton::StateImageButton(QWidget* parent) : QWidget(parent) {
    // Moves without a held button are needed to light the button up under the pointer.
    setMouseTracking(true);
    // Every paint covers the whole button, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StateImageButton::assign(Picture& picture, Bytes bytes) {
    picture.bytes = std::move(bytes);
    picture.image =
        picture.bytes.empty()
            ? QImage()
            : QImage::fromData(picture.bytes.data(), static_cast<int>(picture.bytes.size()));
}

void StateImageButton::setNormalPicture(Bytes bytes) {
    assign(normal_, std::move(bytes));
    dropRegionAndRedraw();
}

void StateImageButton::setHotPicture(Bytes bytes) {
    assign(hot_, std::move(bytes));
    if (visualState_ == VisualState::Hot) update();
}

void StateImageButton::setPressedPicture(Bytes bytes) {
    assign(pressed_, std::move(bytes));
    if (visualState_ == VisualState::Pressed) update();
}

void StateImageButton::setDisabledPicture(Bytes bytes) {
    assign(disabled_, std::move(bytes));
    if (!isEnabled()) update();
}

QImage StateImageButton::currentImage() const {
    if (!isEnabled() && !disabled_.image.isNull()) return disabled_.image;
    if (visualState_ == VisualState::Hot && !hot_.image.isNull()) return hot_.image;
    if (visualState_ == VisualState::Pressed && !pressed_.image.isNull()) return pressed_.image;
    return normal_.image;
}

void StateImageButton::paintEvent(QPaintEvent*) {
    // Drawn off-screen and copied in one step, so the black fill never flickers through.
    QImage frame(size(), QImage::Format_RGB32);
    frame.fill(Qt::black);
    const QImage picture = currentImage();
    if (!picture.isNull()) {
        QPainter framePainter(&frame);
        framePainter.drawImage(0, 0, picture);
    }
    QPainter(this).drawImage(0, 0, frame);
}

void StateImageButton::setVisualState(VisualState state) {
    if (state == visualState_) return;
    visualState_ = state;
    dropRegionAndRedraw();
}

void StateImageButton::dropRegionAndRedraw() {
    clearMask();
    update();
}

bool StateImageButton::isPointerOverButton(const QPoint& local, const QPoint& global) const {
    if (!rect().contains(local)) return false;
    // Another window lying over the button takes the pointer from it.
    const QWidget* under = QApplication::widgetAt(global);
    return under == nullptr || under == this;
}

void StateImageButton::mouseMoveEvent(QMouseEvent* event) {
    const bool primaryHeld = event->buttons().testFlag(Qt::LeftButton);
    if (isPointerOverButton(event->position().toPoint(), event->globalPosition().toPoint())) {
        setVisualState(primaryHeld ? VisualState::Pressed : VisualState::Hot);
    } else {
        setVisualState(VisualState::Normal);
    }
}

void StateImageButton::mousePressEvent(QMouseEvent* event) {
    // While the primary button is held, the button keeps receiving the pointer wherever it
    // goes, so a press dragged out and back in still clicks.
    if (event->button() != Qt::LeftButton) return;
    if (rect().contains(event->position().toPoint())) setVisualState(VisualState::Pressed);
}

void StateImageButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (!rect().contains(event->position().toPoint()) || !isEnabled()) return;
    setVisualState(VisualState::Normal);
    emit clicked();
}

void StateImageButton::leaveEvent(QEvent*) {
    // The pointer went elsewhere without a held button: no more moves will tell us.
    setVisualState(VisualState::Normal);
}

void StateImageButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) dropRegionAndRedraw();
    QWidget::changeEvent(event);
}

}  // namespace brontel
