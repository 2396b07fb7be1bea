#pragma once

#include <QImage>
#include <QWidget>

#include "model/bytes.h"

namespace brontel {

// A push button drawn only from four pictures, so the user sees the exported images react
// as the real button will: Normal at rest, Hot under the pointer, Pressed while held, and
// Disabled when switched off. Each picture is kept as the exact file bytes it was given and
// decoded once, when set.
class StateImageButton : public QWidget {
    Q_OBJECT

public:
    enum class VisualState { Normal, Hot, Pressed };

    explicit StateImageButton(QWidget* parent = nullptr);

    const Bytes& normalPicture() const { return normal_.bytes; }
    const Bytes& hotPicture() const { return hot_.bytes; }
    const Bytes& pressedPicture() const { return pressed_.bytes; }
    const Bytes& disabledPicture() const { return disabled_.bytes; }

    // Setting the normal picture, like every change of state, drops the window region.
    void setNormalPicture(Bytes bytes);
    // These redraw only when their picture is the one the current state shows.
    void setHotPicture(Bytes bytes);
    void setPressedPicture(Bytes bytes);
    void setDisabledPicture(Bytes bytes);

    VisualState visualState() const { return visualState_; }

    // The image painted now; null when there is none and the button shows black.
    QImage currentImage() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Picture {
        Bytes bytes;
        QImage image;  // null when the bytes are empty or no picture
    };

    static void assign(Picture& picture, Bytes bytes);
    void setVisualState(VisualState state);
    // A changed look shows the full rectangle: the rounded outline is only the first view.
    void dropRegionAndRedraw();
    bool isPointerOverButton(const QPoint& local, const QPoint& global) const;

    Picture normal_;
    Picture hot_;
    Picture pressed_;
    Picture disabled_;
    VisualState visualState_ = VisualState::Normal;
};

}  // namespace brontel
