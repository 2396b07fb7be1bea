#include "ui/preview_export_dialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "export/rounded_region.h"
#include "ui/export_desktop.h"
#include "ui/group_box.h"
#include "ui/screen_centre.h"
#include "ui/state_image_button.h"
#include "ui/state_image_files.h"

namespace brontel {

namespace {

const QString kTitle = QStringLiteral("按钮预览 导出");
const QString kExportText = QStringLiteral("导出图片");
const QString kGroupTitle = QStringLiteral("预览按钮效果");
const QString kDisableText = QStringLiteral("禁止按钮");
const QString kOpenFolderQuestion = QStringLiteral("是否打开目录？");
const QString kQuestionTitle = QStringLiteral("提示");

// The client area: with the desktop's 5-pixel frame and 25-pixel title bar, as on the main
// window, the dialog is 314 x 300 pixels outside.
constexpr QSize kClientSize(304, 270);
constexpr int kGroupTitlePixels = 16;

// A plain window rather than a dialog, so that desktops offer its minimize button; fixed
// in size, so none offers to maximize it.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

PreviewExportDialog::PreviewExportDialog(const SharedSettings& shared, ExportDesktop& desktop,
                                         QWidget* parent)
    : QDialog(parent, kWindowFlags), desktop_(desktop) {
    setWindowTitle(kTitle);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(kClientSize);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    placeControls();
    loadButton(shared);
    centreOnScreen(*this);
}

void PreviewExportDialog::open(const SharedSettings& shared, QWidget* parent) {
    SystemExportDesktop desktop;
    PreviewExportDialog dialog(shared, desktop, parent);
    dialog.exec();
}

void PreviewExportDialog::placeControls() {
    auto* group = new GroupBox(kGroupTitle, kGroupTitlePixels, this);
    group->setObjectName(QStringLiteral("分组框7"));
    group->setGeometry(6, 11, 296, 256);

    // The export button stands on the group's top edge, above it.
    auto* exportButton = new QPushButton(kExportText, this);
    exportButton->setObjectName(QStringLiteral("按钮预览_按钮1"));
    exportButton->setGeometry(217, 7, 71, 24);
    exportButton->setAutoDefault(false);
    exportButton->raise();
    connect(exportButton, &QPushButton::clicked, this, &PreviewExportDialog::exportImages);

    // Starts above the group and is cut off there; its white ground hides the edge line.
    auto* disableBox = new QCheckBox(kDisableText, group);
    disableBox->setObjectName(QStringLiteral("禁止按钮_选择框"));
    disableBox->setGeometry(17, -2, 72, 24);
    disableBox->setAutoFillBackground(true);
    connect(disableBox, &QCheckBox::clicked, this, &PreviewExportDialog::onDisableClicked);

    imageButton_ = new StateImageButton(group);
    imageButton_->setObjectName(QStringLiteral("图形按钮"));
    imageButton_->setGeometry(12, 27, 270, 220);
}

void PreviewExportDialog::loadButton(const SharedSettings& shared) {
    imageButton_->resize(imageButton_->width(), shared.buttonHeight);
    imageButton_->resize(shared.buttonWidth, imageButton_->height());
    const PerState<Bytes>& images = shared.stateImages;
    imageButton_->setNormalPicture(images[indexOf(ButtonState::Normal)]);
    imageButton_->setHotPicture(images[indexOf(ButtonState::Hot)]);
    imageButton_->setPressedPicture(images[indexOf(ButtonState::Pressed)]);
    imageButton_->setDisabledPicture(images[indexOf(ButtonState::Disabled)]);
    // The faces' rounded outline, until the button's first change of look.
    imageButton_->setMask(toQRegion(
        RoundedRegion(imageButton_->width(), imageButton_->height(), shared.cornerDiameter)));
}

void PreviewExportDialog::onDisableClicked(bool ticked) {
    imageButton_->setEnabled(!ticked);
}

void PreviewExportDialog::exportImages() {
    const PerState<Bytes> images{imageButton_->normalPicture(), imageButton_->hotPicture(),
                                 imageButton_->pressedPicture(), imageButton_->disabledPicture()};
    const QString folder = desktop_.outputDir();
    const std::vector<ImageWriteFailure> failures = writeStateImages(images, folder);
    // A picture that did not reach the disk must not pass for exported.
    if (!failures.empty()) desktop_.warn(imageWriteFailureMessage(failures), kQuestionTitle);
    if (desktop_.askYesNo(kOpenFolderQuestion, kQuestionTitle)) desktop_.openFolder(folder);
}

}  // namespace brontel
