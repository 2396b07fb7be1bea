#include "ui/face_board.h"

#include <array>

#include "model/initial_styles.h"
#include "ui/face_widget.h"
#include "ui/group_box.h"
#include "ui/main_window_layout.h"
#include "ui/main_window_texts.h"
#include "ui/selection_frame.h"
#include "ui/stacking.h"

namespace brontel {
namespace {

namespace texts = main_window_texts;

// The cells, Normal at the top left, Hot at the top right, Pressed and Disabled below.
constexpr PerState<QRect> kCells{
    {{12, 31, 270, 220}, {287, 31, 270, 220}, {12, 255, 270, 220}, {287, 255, 270, 220}}};
constexpr QRect kSelectionFramePlace{10, 29, 274, 224};

struct BoardCaption {
    const char* name;
    ButtonState state;
    QRect place;
};

constexpr std::array<BoardCaption, 4> kCaptions{
    {{"标签59", ButtonState::Normal, {16, 9, 64, 24}},
     {"标签60", ButtonState::Hot, {504, 9, 64, 24}},
     {"标签62", ButtonState::Disabled, {503, 476, 64, 24}},
     {"标签61", ButtonState::Pressed, {16, 476, 64, 24}}}};

QString faceName(ButtonState state) {
    return QStringLiteral("标签_%1按钮").arg(texts::kStateWords[indexOf(state)]);
}

FaceWidget* makeFace(FaceStyle style, const QString& name, const QRect& place, QWidget* parent) {
    auto* face = new FaceWidget(std::move(style), parent);
    face->setObjectName(name);
    face->setGeometry(place);
    return face;
}

}  // namespace

FaceBoard::FaceBoard(QWidget* window)
    : group_(new GroupBox(texts::kBoardTitle, main_window_layout::kLargeTitlePixels, window)) {
    group_->setObjectName("分组框6");
    group_->setGeometry(main_window_layout::kBoardPlace);
    for (ButtonState state : kButtonStates) {
        const QRect& cell = kCells[indexOf(state)];
        faces_[indexOf(state)] = makeFace(initialFaceStyle(state), faceName(state), cell, group_);
        canvases_[indexOf(state)] =
            makeFace(canvasStyle(), faceName(state) + QStringLiteral("_画板"), cell, group_);
    }
    selectionFrame_ = new SelectionFrame(selectionFrameStyle(), group_);
    selectionFrame_->setObjectName("边框_标签");
    selectionFrame_->setGeometry(kSelectionFramePlace);
    stack(makeCaptions());
}

std::vector<QWidget*> FaceBoard::makeCaptions() const {
    std::vector<QWidget*> captions;
    for (const BoardCaption& caption : kCaptions) {
        const char* text = texts::kBoardCaptions[indexOf(caption.state)];
        captions.push_back(makeFace(plainLabelStyle(text), caption.name, caption.place, group_));
    }
    return captions;
}

// Faces over their canvases, canvases over the selection frame, the frame over the captions.
void FaceBoard::stack(const std::vector<QWidget*>& captions) const {
    std::vector<QWidget*> topmostFirst{faces_[3],    faces_[2],    faces_[1],
                                       faces_[0],    canvases_[0], canvases_[1],
                                       canvases_[2], canvases_[3], selectionFrame_};
    topmostFirst.insert(topmostFirst.end(), captions.begin(), captions.end());
    stackTopmostFirst(topmostFirst);
}

void FaceBoard::frameFace(ButtonState state) const {
    const FaceWidget& target = face(state);
    selectionFrame_->moveTo({target.x() - SelectionFrame::kRim, target.y() - SelectionFrame::kRim});
}

}  // namespace brontel
