#pragma once

#include <QLineEdit>
#include <QString>

namespace brontel {

// A single-line settings field. Every change of its text, by the user or by the program,
// raises contentChanged(), so a handler sees text written from code at once, inside the
// write. Integer input and the length limit restrain the user only; the program may write
// any text.
class EditBox : public QLineEdit {
    Q_OBJECT

public:
    explicit EditBox(QWidget* parent = nullptr);

    // Writes the text and raises contentChanged() once, even when the text is unchanged.
    void setContent(const QString& text);
    QString content() const { return text(); }

    // A read-only box cannot be typed into but still reports mouse releases.
    void setReadOnlyBox(bool readOnly) { setReadOnly(readOnly); }

    // Typed printable characters other than "0" to "9" and "-" are ignored.
    void setIntegerInput(bool integerInput) { integerInput_ = integerInput; }
    bool integerInput() const { return integerInput_; }

    // User edits cannot make the text longer than this many GBK bytes; below 0, no limit.
    void setGbkLengthLimit(int bytes) { gbkLengthLimit_ = bytes; }
    int gbkLengthLimit() const { return gbkLengthLimit_; }

signals:
    void contentChanged();
    void leftButtonReleased();

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void onTextEdited();
    void finishUserEdit(const QString& before);
    bool isAllowedTyping(const QString& typed) const;

    bool integerInput_ = false;
    int gbkLengthLimit_ = -1;
    // Nesting of events being handled, and whether one of them let the user edit the text:
    // a user edit is checked and reported once the event that made it is done with.
    int eventDepth_ = 0;
    bool userEdited_ = false;
};

}  // namespace brontel
