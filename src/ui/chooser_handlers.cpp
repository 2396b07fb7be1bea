#include "ui/chooser_handlers.h"

#include <QString>
#include <optional>

#include "model/face_style.h"
#include "model/font_spec.h"
#include "model/text_conversion.h"
#include "ui/chooser_dialogs.h"
#include "ui/combo_box.h"
#include "ui/edit_box.h"
#include "ui/face_widget.h"
#include "ui/font_chooser.h"
#include "ui/main_window_texts.h"
#include "ui/picture_file.h"
#include "ui/picture_file_chooser.h"
#include "ui/settings_page.h"

namespace brontel {
namespace {

constexpr int kNoPictureItem = 3;

// The font of the border row's label, which has none of its own and so reads as the
// desktop's user-interface font.
FontSpec borderLabelFont() {
    return toFontSpec(defaultUiFont());
}

QString fontFieldText(const FontSpec& font) {
    return QString::fromStdString(font.name) + QStringLiteral(",字体大小：") +
           QString::fromStdString(numberToText(font.size));
}

void setPicture(FaceWidget& face, Bytes picture) {
    face.changeStyle([&picture](FaceStyle& style) { style.setPicture(std::move(picture)); });
}

}  // namespace

void onFontFieldReleased(const SettingsPage& page, FaceWidget& face, ChooserDialogs& dialogs) {
    const std::optional<FontSpec> chosen = dialogs.chooseFont(*page.fontChooser);
    if (chosen) page.fontChooser->setLastFont(*chosen);
    FontSpec font = chosen.value_or(borderLabelFont());
    font.angle = 0;  // captions chosen here are never rotated
    face.changeStyle([&font](FaceStyle& style) { style.setFont(font); });
    page.fontField->setContent(fontFieldText(font));
}

void onPictureFieldReleased(const SettingsPage& page, FaceWidget& face, ChooserDialogs& dialogs) {
    const std::optional<QString> path = dialogs.choosePictureFile(*page.pictureChooser);
    if (!path) {
        page.pictureField->setContent(QString());
        setPicture(face, {});
        page.pictureMode->setEnabled(false);
        return;
    }
    page.pictureChooser->setLastFile(*path);
    page.pictureField->setContent(*path);
    setPicture(face, readPictureFile(page.pictureField->content()));
    page.pictureMode->setEnabled(true);
}

void onPictureModeChosen(const SettingsPage& page, FaceWidget& face) {
    const int mode = page.pictureMode->currentValue();
    if (mode == kNoPictureItem) {
        page.pictureField->setEnabled(false);
        page.pictureField->setContent(main_window_texts::kClickToSet);
        setPicture(face, {});
        return;
    }
    page.pictureField->setEnabled(true);
    face.changeStyle([mode](FaceStyle& style) { style.setPictureMode(mode); });
}

void connectChooserHandlers(const SettingsPage& page, FaceWidget& face, ChooserDialogs& dialogs) {
    FaceWidget* target = &face;
    QObject::connect(page.fontField, &EditBox::leftButtonReleased, page.fontField,
                     [page, target, &dialogs] { onFontFieldReleased(page, *target, dialogs); });
    QObject::connect(page.pictureField, &EditBox::leftButtonReleased, page.pictureField,
                     [page, target, &dialogs] { onPictureFieldReleased(page, *target, dialogs); });
    QObject::connect(page.pictureMode, &ComboBox::itemChosen, page.pictureMode,
                     [page, target] { onPictureModeChosen(page, *target); });
}

}  // namespace brontel
