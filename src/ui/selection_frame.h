#pragma once

#include "ui/face_widget.h"

namespace brontel {

// The frame whose rim marks the cell being edited. It lies beneath a face and its canvas
// and only its 2-pixel rim ever shows, so it is shaped to that rim: moving it then
// repaints the rim where it leaves and where it lands, and never the faces over it.
class SelectionFrame : public FaceWidget {
    Q_OBJECT

public:
    static constexpr int kRim = 2;

    using FaceWidget::FaceWidget;

    // Moves the frame without exposing what lies inside its rim.
    void moveTo(QPoint place);

protected:
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace brontel
