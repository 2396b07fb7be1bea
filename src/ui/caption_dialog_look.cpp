#include "ui/caption_dialog_look.h"

#include <QDialog>
#include <QPalette>
#include <QPushButton>

namespace brontel {

void makeCaptionDialogWindow(QDialog& dialog, QSize size) {
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setFixedSize(size);
    QPalette look = dialog.palette();
    look.setColor(QPalette::Window, Qt::white);
    look.setColor(QPalette::WindowText, Qt::black);
    look.setColor(QPalette::Base, Qt::white);
    look.setColor(QPalette::Text, Qt::black);
    dialog.setPalette(look);
}

QPushButton* addCaptionDialogButton(QWidget& parent, const QString& text, QRect place) {
    auto* button = new QPushButton(text, &parent);
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

}  // namespace brontel
