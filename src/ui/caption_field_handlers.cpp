#include "ui/caption_field_handlers.h"

#include <QStringList>

#include "model/face_style.h"
#include "ui/caption_editor.h"
#include "ui/edit_box.h"
#include "ui/face_board.h"
#include "ui/face_widget.h"
#include "ui/four_captions_dialog.h"

namespace brontel {

namespace {

const QString kNotSet = QStringLiteral("点击设置");

void setCaption(FaceWidget& face, const std::string& caption) {
    face.changeStyle([&caption](FaceStyle& style) { style.setCaption(caption); });
}

QString joinedCaptions(const PerState<std::string>& texts) {
    QStringList parts;
    for (const std::string& text : texts) parts << QString::fromStdString(text);
    return parts.join(QLatin1Char(','));
}

}  // namespace

void onStateCaptionFieldReleased(EditBox& field, FaceWidget& face, SharedSettings& shared,
                                 QWidget* window) {
    shared.editingText = field.content().toStdString();
    CaptionEditor::edit(shared.editingText, window);
    field.setContent(QString::fromStdString(shared.editingText));
    setCaption(face, shared.editingText);
    if (shared.editingText.empty()) field.setContent(kNotSet);
}

void onSharedCaptionFieldReleased(EditBox& field, SharedSettings& shared, QWidget* window) {
    FourCaptionsDialog::edit(shared.stateTexts, window);
    field.setContent(joinedCaptions(shared.stateTexts));
}

void onSharedCaptionFieldChanged(const FaceBoard& board, const SharedSettings& shared) {
    for (const ButtonState state : kButtonStates)
        setCaption(board.face(state), shared.stateTexts[indexOf(state)]);
}

}  // namespace brontel
