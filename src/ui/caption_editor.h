#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace brontel {

// Edits the caption of one state in a frameless window over the program: several lines,
// Enter starting a new one. Made afresh at every opening.
class CaptionEditor : public QDialog {
    Q_OBJECT

public:
    // Shows editingText; "确定" writes the edited text back into it, "取消" leaves it be.
    explicit CaptionEditor(std::string& editingText, QWidget* parent = nullptr);

    // Opens the editor modally and returns once it is gone; true when it was confirmed.
    static bool edit(std::string& editingText, QWidget* parent = nullptr);

private:
    void placeControls();
    void confirm();

    std::string& editingText_;
    QPlainTextEdit* textBox_ = nullptr;
};

}  // namespace brontel
