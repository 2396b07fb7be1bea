#pragma once

#include <vector>

#include "model/button_state.h"
#include "ui/selection_frame.h"

class QWidget;

namespace brontel {

class GroupBox;

// The preview board "图片预览": the four faces in a 2 x 2 grid, each lying over its canvas,
// and the selection frame beneath them whose rim marks the cell being edited. Handlers
// reach the faces through this, not through the whole window.
class FaceBoard {
public:
    // Builds the board inside the main window, every face in its initial style.
    explicit FaceBoard(QWidget* window);

    GroupBox& group() const { return *group_; }
    FaceWidget& face(ButtonState state) const { return *faces_[indexOf(state)]; }
    FaceWidget& canvas(ButtonState state) const { return *canvases_[indexOf(state)]; }
    SelectionFrame& selectionFrame() const { return *selectionFrame_; }

    // Puts the frame 2 pixels left of and above the face, so that its rim shows around it.
    void frameFace(ButtonState state) const;

private:
    std::vector<QWidget*> makeCaptions() const;
    void stack(const std::vector<QWidget*>& captions) const;

    GroupBox* group_;
    PerState<FaceWidget*> faces_{};
    PerState<FaceWidget*> canvases_{};
    SelectionFrame* selectionFrame_ = nullptr;
};

}  // namespace brontel
