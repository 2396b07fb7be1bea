#include "ui/four_captions_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <limits>

#include "ui/caption_dialog_look.h"
#include "ui/edit_box.h"
#include "ui/group_box.h"
#include "ui/screen_centre.h"

namespace brontel {

namespace {

const QString kGroupTitle = QStringLiteral("按钮文字设定");
const QString kUnifyText = QStringLiteral("统一使用正常按钮文字");
const QString kOkText = QStringLiteral("确定");
const QString kCancelText = QStringLiteral("取消");

constexpr QSize kSize(296, 174);
constexpr int kGroupTitlePixels = 12;

struct CaptionRow {
    QString labelText;
    QColor labelColour;
};

const PerState<CaptionRow> kRows{{
    {QStringLiteral("正常按钮文字"), QColor(255, 168, 255)},
    {QStringLiteral("点燃按钮文字"), QColor(138, 217, 255)},
    {QStringLiteral("按下按钮文字"), QColor(96, 255, 152)},
    {QStringLiteral("禁止按钮文字"), QColor(255, 255, 128)},
}};

constexpr int kRowTop = 16;
constexpr int kRowPitch = 24;

QString numbered(const char* kind, ButtonState state) {
    return QString::fromUtf8(kind) + QString::number(indexOf(state) + 1);
}

}  // namespace

FourCaptionsDialog::FourCaptionsDialog(PerState<std::string>& stateTexts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), stateTexts_(stateTexts) {
    makeCaptionDialogWindow(*this, kSize);
    placeControls();
    showStateTexts();
    centreOnScreen(*this);
}

bool FourCaptionsDialog::edit(PerState<std::string>& stateTexts, QWidget* parent) {
    FourCaptionsDialog dialog(stateTexts, parent);
    return dialog.exec() == QDialog::Accepted;
}

void FourCaptionsDialog::placeControls() {
    auto* group = new GroupBox(kGroupTitle, kGroupTitlePixels, this);
    group->setObjectName(QStringLiteral("分组框1"));
    group->setGeometry(6, 3, 285, 168);

    for (const ButtonState state : kButtonStates) placeCaptionRow(*group, state);

    unifyBox_ = new QCheckBox(kUnifyText, group);
    unifyBox_->setObjectName(QStringLiteral("选择框1"));
    unifyBox_->setGeometry(80, 110, 152, 24);
    connect(unifyBox_, &QCheckBox::clicked, this, &FourCaptionsDialog::onUnifyClicked);
    connect(boxes_[0], &EditBox::contentChanged, this, &FourCaptionsDialog::onFirstBoxChanged);

    QPushButton* ok = addCaptionDialogButton(*group, kOkText, QRect(72, 134, 64, 24));
    ok->setObjectName(QStringLiteral("按钮1"));
    connect(ok, &QPushButton::clicked, this, &FourCaptionsDialog::confirm);

    QPushButton* cancel = addCaptionDialogButton(*group, kCancelText, QRect(150, 134, 64, 24));
    cancel->setObjectName(QStringLiteral("按钮2"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void FourCaptionsDialog::placeCaptionRow(QWidget& group, ButtonState state) {
    const int top = kRowTop + kRowPitch * static_cast<int>(indexOf(state));
    const CaptionRow& row = kRows[indexOf(state)];

    auto* label = new QLabel(row.labelText, &group);
    label->setObjectName(numbered("标签", state));
    label->setGeometry(8, top, 80, 20);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, row.labelColour);
    label->setPalette(colours);

    auto* box = new EditBox(&group);
    box->setObjectName(numbered("编辑框", state));
    box->setGeometry(86, top, 192, 20);
    box->setMaxLength(std::numeric_limits<int>::max());
    boxes_[indexOf(state)] = box;
    // The label's right end overlaps the box by two pixels and lies above it.
    label->raise();
}

void FourCaptionsDialog::showStateTexts() {
    boxes_[0]->setFocus();
    for (const ButtonState state : kButtonStates)
        boxes_[indexOf(state)]->setContent(QString::fromStdString(stateTexts_[indexOf(state)]));
}

void FourCaptionsDialog::onFirstBoxChanged() {
    if (unifyBox_->isChecked()) copyFirstBoxToOthers(boxes_[0]->content());
}

void FourCaptionsDialog::onUnifyClicked(bool ticked) {
    // Unticking does not bring the earlier texts back: the three boxes start empty.
    copyFirstBoxToOthers(ticked ? boxes_[0]->content() : QString());
}

void FourCaptionsDialog::copyFirstBoxToOthers(const QString& text) {
    for (std::size_t i = 1; i < boxes_.size(); ++i) boxes_[i]->setContent(text);
}

void FourCaptionsDialog::confirm() {
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        stateTexts_[i] = boxes_[i]->content().toStdString();
    accept();
}

}  // namespace brontel
