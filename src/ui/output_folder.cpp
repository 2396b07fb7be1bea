#include "ui/output_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/platform.h"

namespace brontel {
namespace {

const QString kOutputFolderName = QStringLiteral("制作的图片");

QString childFolder(const QString& parent) {
    return parent.isEmpty() ? QString() : parent + QLatin1Char('/') + kOutputFolderName;
}

bool isUsable(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

}  // namespace

OutputFolder::OutputFolder(const QString& programFolder, const QString& picturesFolder)
    : besideProgram_(childFolder(programFolder)), inPictures_(childFolder(picturesFolder)) {}

OutputFolder OutputFolder::ofThisProgram() {
    return {programFolder(), QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)};
}

QString OutputFolder::path() const {
    if (!isUsable(besideProgram_) && isUsable(inPictures_)) return inPictures_;
    return besideProgram_;
}

bool OutputFolder::make() const {
    QDir().mkdir(besideProgram_);
    if (isUsable(besideProgram_)) return true;
    if (!inPictures_.isEmpty()) QDir().mkpath(inPictures_);
    return isUsable(inPictures_);
}

}  // namespace brontel
