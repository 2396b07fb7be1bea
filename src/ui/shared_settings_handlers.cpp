#include "ui/shared_settings_handlers.h"

#include <QCoreApplication>
#include <algorithm>
#include <optional>

#include "model/face_style.h"
#include "model/initial_styles.h"
#include "model/text_conversion.h"
#include "ui/chooser_dialogs.h"
#include "ui/colour_picker.h"
#include "ui/combo_box.h"
#include "ui/edit_box.h"
#include "ui/face_board.h"
#include "ui/face_widget.h"
#include "ui/main_window.h"
#include "ui/main_window_texts.h"
#include "ui/picture_file.h"
#include "ui/picture_file_chooser.h"
#include "ui/selection_frame.h"
#include "ui/settings_page.h"
#include "ui/shared_group.h"

namespace brontel {
namespace {

// A size above its limit by more than this is corrected to the limit.
constexpr double kLimitTolerance = 0.0000001;
// The selection frame is this much wider and higher than the faces, for its 2-pixel rim.
constexpr int kSelectionFrameMargin = 4;

// What the height and the width handlers differ in.
struct SizeAxis {
    int limit;
    EditBox* SharedGroup::*field;
    int SharedSettings::*setting;
    void (*resize)(QWidget& widget, int size);
};

const SizeAxis kHeightAxis{
    kMaxButtonHeight, &SharedGroup::heightField, &SharedSettings::buttonHeight,
    [](QWidget& widget, int height) { widget.resize(widget.width(), height); }};
const SizeAxis kWidthAxis{
    kMaxButtonWidth, &SharedGroup::widthField, &SharedSettings::buttonWidth,
    [](QWidget& widget, int width) { widget.resize(width, widget.height()); }};

double fieldNumber(const EditBox& field) {
    return textToNumber(field.content().toStdString());
}
int fieldInteger(const EditBox& field) {
    return textToInteger(field.content().toStdString());
}

// Canvas and face of each state in turn, then the frame. A size below 0 shows as 0: the
// faces show nothing and the frame only its rim.
void resizeBoard(const SizeAxis& axis, const FaceBoard& board, int size) {
    const int shown = std::max(0, size);
    for (ButtonState state : kButtonStates) {
        axis.resize(board.canvas(state), shown);
        axis.resize(board.face(state), shown);
    }
    axis.resize(board.selectionFrame(), shown + kSelectionFrameMargin);
}

void onSizeChanged(const SizeAxis& axis, const SharedGroup& group, const FaceBoard& board,
                   SharedSettings& shared) {
    EditBox& field = *(group.*axis.field);
    int size = axis.limit;
    if (fieldNumber(field) - axis.limit > kLimitTolerance) {
        // Raises this handler again, which applies the limit at once.
        field.setContent(QString::number(axis.limit));
    } else {
        size = truncateToPixels(fieldNumber(field));
    }
    const QString applied = field.content();
    shared.*axis.setting = size;
    QCoreApplication::processEvents();
    // A change of the field among those events raised a run of its own for the newer text,
    // which has applied it: resizing to this run's size now would undo it.
    if (field.content() != applied) return;
    resizeBoard(axis, board, size);
    QCoreApplication::processEvents();
}

void setPictures(const FaceBoard& board, const Bytes& picture) {
    for (ButtonState state : kButtonStates) {
        board.face(state).changeStyle([&picture](FaceStyle& style) { style.setPicture(picture); });
    }
}

void useSharedPicture(const SharedGroup& group, const FaceBoard& board,
                      const SettingsPage& normalPage, const QString& path) {
    group.pictureField->setContent(path);
    setPictures(board, readPictureFile(group.pictureField->content()));
    normalPage.gradientMode->setEnabled(false);
    normalPage.backColour->setEnabled(false);
}

void dropSharedPicture(const SharedGroup& group, const FaceBoard& board,
                       const SettingsPage& normalPage) {
    group.pictureField->setContent(QString());
    setPictures(board, {});
    normalPage.backColour->setEnabled(true);
    normalPage.gradientMode->setEnabled(true);
    group.pictureField->setContent(main_window_texts::kClickToSet);
}

}  // namespace

void onHeightChanged(const SharedGroup& group, const FaceBoard& board, SharedSettings& shared) {
    onSizeChanged(kHeightAxis, group, board, shared);
}

void onWidthChanged(const SharedGroup& group, const FaceBoard& board, SharedSettings& shared) {
    onSizeChanged(kWidthAxis, group, board, shared);
}

void onCornerChanged(const SharedGroup& group, const FaceBoard& board, SharedSettings& shared) {
    shared.cornerDiameter = fieldInteger(*group.cornerField);
    const FaceWidget& normal = board.face(ButtonState::Normal);
    for (ButtonState state : kButtonStates) {
        const int diameter = fieldInteger(*group.cornerField);
        FaceWidget& face = board.face(state);
        face.setRoundedRegion(face.width(), normal.height(), diameter);
    }
}

void onSharedCanvasColourPicked(const SharedGroup& group, const FaceBoard& board) {
    const Colour colour = group.canvasColour->colour();
    for (ButtonState state : kButtonStates) {
        board.canvas(state).changeStyle(
            [colour](FaceStyle& style) { style.setBackColour(colour); });
    }
}

void onSharedPictureFieldReleased(const SharedGroup& group, const FaceBoard& board,
                                  const SettingsPage& normalPage, ChooserDialogs& dialogs) {
    PictureFileChooser& chooser = *group.pictureChooser;
    const std::optional<QString> path = dialogs.choosePictureFile(chooser);
    if (!path) {
        dropSharedPicture(group, board, normalPage);
        return;
    }
    chooser.setLastFile(*path);
    useSharedPicture(group, board, normalPage, *path);
}

void connectSharedSettingsHandlers(const MainWindow& window, SharedSettings& shared,
                                   ChooserDialogs& dialogs) {
    const SharedGroup* group = &window.sharedGroup();
    const FaceBoard* board = &window.board();
    const SettingsPage* normalPage = &window.settingsPage(ButtonState::Normal);
    QObject::connect(group->heightField, &EditBox::contentChanged, group->heightField,
                     [group, board, &shared] { onHeightChanged(*group, *board, shared); });
    QObject::connect(group->widthField, &EditBox::contentChanged, group->widthField,
                     [group, board, &shared] { onWidthChanged(*group, *board, shared); });
    QObject::connect(group->cornerField, &EditBox::contentChanged, group->cornerField,
                     [group, board, &shared] { onCornerChanged(*group, *board, shared); });
    QObject::connect(group->canvasColour, &ColourPicker::colourPicked, group->canvasColour,
                     [group, board] { onSharedCanvasColourPicked(*group, *board); });
    QObject::connect(group->pictureField, &EditBox::leftButtonReleased, group->pictureField,
                     [group, board, normalPage, &dialogs] {
                         onSharedPictureFieldReleased(*group, *board, *normalPage, dialogs);
                     });
}

}  // namespace brontel
