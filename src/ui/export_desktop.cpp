#include "ui/export_desktop.h"

#include <QMessageBox>

#include "ui/platform.h"

namespace brontel {

QString SystemExportDesktop::outputDir() const {
    return brontel::outputDir();
}

void SystemExportDesktop::warn(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool SystemExportDesktop::askYesNo(const QString& text, const QString& title) {
    return brontel::askYesNo(text, title);
}

void SystemExportDesktop::openFolder(const QString& folder) {
    brontel::openFolder(folder);
}

}  // namespace brontel
