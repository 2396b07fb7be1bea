#include "ui/platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "ui/output_folder.h"

namespace brontel {

QString programFolder() {
    QString folder = QCoreApplication::applicationDirPath();
    // A program in the root folder would otherwise give "//制作的图片".
    while (folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    return folder;
}

QString outputDir() {
    return OutputFolder::ofThisProgram().path();
}

bool makeOutputDir() {
    return OutputFolder::ofThisProgram().make();
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
