#pragma once

#include <QDialog>
#include <string>

#include "model/button_state.h"

class QCheckBox;

namespace brontel {

class EditBox;

// Edits the four captions at once, in a frameless window over the program. Made afresh at
// every opening, showing the captions last confirmed here.
class FourCaptionsDialog : public QDialog {
    Q_OBJECT

public:
    // Shows stateTexts; "确定" stores the four boxes into it, "取消" leaves it be.
    explicit FourCaptionsDialog(PerState<std::string>& stateTexts, QWidget* parent = nullptr);

    // Opens the dialog modally and returns once it is gone; true when it was confirmed.
    static bool edit(PerState<std::string>& stateTexts, QWidget* parent = nullptr);

private:
    void placeControls();
    void placeCaptionRow(QWidget& group, ButtonState state);
    void showStateTexts();
    void onFirstBoxChanged();
    void onUnifyClicked(bool ticked);
    void copyFirstBoxToOthers(const QString& text);
    void confirm();

    PerState<std::string>& stateTexts_;
    PerState<EditBox*> boxes_{};
    QCheckBox* unifyBox_ = nullptr;
};

}  // namespace brontel
