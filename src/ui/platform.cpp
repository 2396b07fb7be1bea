#include "ui/platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace brontel {

namespace {
const QString kOutputFolderName = QStringLiteral("制作的图片");
}

QString programFolder() {
    QString folder = QCoreApplication::applicationDirPath();
    // A program in the root folder would otherwise give "//制作的图片".
    while (folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    return folder;
}

QString outputDir() {
    return programFolder() + QLatin1Char('/') + kOutputFolderName;
}

bool makeOutputDir() {
    const QString folder = outputDir();
    QDir().mkdir(folder);
    return QFileInfo(folder).isDir();
}

bool askYesNo(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

void openFolder(const QString& folder) {
    // The answer is of no use: a desktop without a file browser simply shows nothing.
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

}  // namespace brontel
