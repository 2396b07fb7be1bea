#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QDialog;
class QPushButton;
class QWidget;

namespace brontel {

// What the two caption dialogs share: a white, fixed-size window modal for the whole
// program, with black text and white boxes.
void makeCaptionDialogWindow(QDialog& dialog, QSize size);

// A push button at its place. Enter in a box never presses it: only a click confirms.
QPushButton* addCaptionDialogButton(QWidget& parent, const QString& text, QRect place);

}  // namespace brontel
