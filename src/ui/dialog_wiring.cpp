#include "ui/dialog_wiring.h"

#include <QPushButton>

#include "ui/caption_field_handlers.h"
#include "ui/edit_box.h"
#include "ui/face_board.h"
#include "ui/main_window.h"
#include "ui/preview_command.h"
#include "ui/settings_page.h"
#include "ui/shared_group.h"

namespace brontel {
namespace {

void connectStateCaptionField(MainWindow& window, ButtonState state, SharedSettings& shared) {
    EditBox* field = window.settingsPage(state).captionField;
    FaceWidget* face = &window.board().face(state);
    QObject::connect(field, &EditBox::leftButtonReleased, field, [field, face, &shared, &window] {
        onStateCaptionFieldReleased(*field, *face, shared, &window);
    });
}

void connectSharedCaptionsField(MainWindow& window, SharedSettings& shared) {
    EditBox* field = window.sharedGroup().captionsField;
    const FaceBoard* board = &window.board();
    QObject::connect(field, &EditBox::leftButtonReleased, field, [field, &shared, &window] {
        onSharedCaptionFieldReleased(*field, shared, &window);
    });
    QObject::connect(field, &EditBox::contentChanged, field,
                     [board, &shared] { onSharedCaptionFieldChanged(*board, shared); });
}

void connectPreviewCommand(MainWindow& window, SharedSettings& shared) {
    const SharedGroup* group = &window.sharedGroup();
    const FaceBoard* board = &window.board();
    QObject::connect(
        group->previewExport, &QPushButton::clicked, group->previewExport,
        [group, board, &shared, &window] { runPreviewCommand(*group, *board, shared, &window); });
}

}  // namespace

void connectDialogHandlers(MainWindow& window, SharedSettings& shared) {
    for (ButtonState state : kButtonStates) connectStateCaptionField(window, state, shared);
    connectSharedCaptionsField(window, shared);
    connectPreviewCommand(window, shared);
}

}  // namespace brontel
