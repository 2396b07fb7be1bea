#include "ui/chooser_dialogs.h"

#include <QFileDialog>
#include <QFont>
#include <QFontDialog>
#include <QWidget>

#include "ui/font_chooser.h"
#include "ui/picture_file_chooser.h"

namespace brontel {
namespace {

// The window a chooser's dialog opens over: the one holding the chooser's page or group.
QWidget* ownerWindow(const QObject& chooser) {
    auto* owner = qobject_cast<QWidget*>(chooser.parent());
    return owner != nullptr ? owner->window() : nullptr;
}

// Before the first choice the dialog opens with the toolkit's default font.
QFont toDialogFont(const FontSpec& spec) {
    QFont font;
    if (spec.name.empty()) return font;
    font.setFamily(QString::fromStdString(spec.name));
    if (spec.size > 0) font.setPointSize(spec.size);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setStrikeOut(spec.strikeout);
    font.setUnderline(spec.underline);
    return font;
}

std::int32_t pointSize(const QFont& font) {
    if (font.pointSize() > 0) return font.pointSize();
    SystemFont pixelSized;
    pixelSized.height = -font.pixelSize();
    return toFontSpec(pixelSized).size;
}

FontSpec fromDialogFont(const QFont& font) {
    FontSpec spec;
    spec.name = font.family().toStdString();
    spec.size = pointSize(font);
    spec.bold = font.weight() >= QFont::Bold;
    spec.italic = font.italic();
    spec.strikeout = font.strikeOut();
    spec.underline = font.underline();
    return spec;
}

}  // namespace

std::optional<FontSpec> DesktopChooserDialogs::chooseFont(const FontChooser& chooser) {
    bool confirmed = false;
    const QFont font =
        QFontDialog::getFont(&confirmed, toDialogFont(chooser.lastFont()), ownerWindow(chooser));
    if (!confirmed) return std::nullopt;
    return fromDialogFont(font);
}

std::optional<QString> DesktopChooserDialogs::choosePictureFile(const PictureFileChooser& chooser) {
    // Opening at the last file shows its folder with the file selected.
    const QString path = QFileDialog::getOpenFileName(ownerWindow(chooser), chooser.title(),
                                                      chooser.lastFile(), chooser.filter());
    if (path.isEmpty()) return std::nullopt;
    return path;
}

}  // namespace brontel
