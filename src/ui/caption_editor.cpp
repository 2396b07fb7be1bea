#include "ui/caption_editor.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/caption_dialog_look.h"
#include "ui/screen_centre.h"

namespace brontel {

namespace {

const QString kTitle = QStringLiteral("编辑按钮文本");
const QString kHeading = QStringLiteral("编辑按钮文本");
const QString kOkText = QStringLiteral("确定");
const QString kCancelText = QStringLiteral("取消");

constexpr QSize kSize(504, 349);

}  // namespace

CaptionEditor::CaptionEditor(std::string& editingText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), editingText_(editingText) {
    setWindowTitle(kTitle);
    makeCaptionDialogWindow(*this, kSize);
    placeControls();
    textBox_->setPlainText(QString::fromStdString(editingText_));
    centreOnScreen(*this);
}

bool CaptionEditor::edit(std::string& editingText, QWidget* parent) {
    CaptionEditor editor(editingText, parent);
    return editor.exec() == QDialog::Accepted;
}

void CaptionEditor::placeControls() {
    auto* heading = new QLabel(kHeading, this);
    heading->setObjectName(QStringLiteral("标签1"));
    heading->setGeometry(7, 0, 104, 24);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    textBox_ = new QPlainTextEdit(this);
    textBox_->setObjectName(QStringLiteral("编辑框1"));
    textBox_->setGeometry(4, 24, 496, 288);
    textBox_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    // Lines wrap at the box's edge and the view follows the caret, so no bars are needed.
    textBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    textBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    textBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QPushButton* ok = addCaptionDialogButton(*this, kOkText, QRect(185, 316, 64, 24));
    ok->setObjectName(QStringLiteral("按钮预览_按钮"));
    connect(ok, &QPushButton::clicked, this, &CaptionEditor::confirm);

    QPushButton* cancel = addCaptionDialogButton(*this, kCancelText, QRect(255, 316, 64, 24));
    cancel->setObjectName(QStringLiteral("按钮预览_按钮1"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CaptionEditor::confirm() {
    editingText_ = textBox_->toPlainText().toStdString();
    accept();
}

}  // namespace brontel
