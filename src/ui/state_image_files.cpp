#include "ui/state_image_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include "export/export_file_names.h"

namespace brontel {

namespace {

const QString kFailureHeading = QStringLiteral("以下图片未能写入：");
const QString kFolderMissing = QStringLiteral("文件夹不存在");
const QString kFileReadOnly = QStringLiteral("文件是只读的");
const QString kFolderReadOnly = QStringLiteral("文件夹不允许写入");
const QString kWriteError = QStringLiteral("写入出错（%1）");

// Qt's own message is in English and vague; the common causes are named in Chinese.
QString failureReason(const QString& path, const QString& systemMessage) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) return kFolderMissing;
    if (file.exists() && !file.isWritable()) return kFileReadOnly;
    if (!folder.isWritable()) return kFolderReadOnly;
    return kWriteError.arg(systemMessage);
}

// Empty when the file now holds exactly the bytes, else why not.
QString writeWhole(const QString& path, const Bytes& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        if (file.commit()) return {};
    }
    return failureReason(path, file.errorString());
}

}  // namespace

std::vector<ImageWriteFailure> writeStateImages(const PerState<Bytes>& images,
                                                const QString& folder) {
    std::vector<ImageWriteFailure> failures;
    for (const ButtonState state : kButtonStates) {
        const QString name = QString::fromUtf8(kExportFileNames[indexOf(state)]);
        const QString reason = writeWhole(QDir(folder).filePath(name), images[indexOf(state)]);
        if (!reason.isEmpty()) failures.push_back({name, reason});
    }
    return failures;
}

QString imageWriteFailureMessage(const std::vector<ImageWriteFailure>& failures) {
    QStringList lines{kFailureHeading};
    for (const ImageWriteFailure& failure : failures)
        lines << failure.fileName + QStringLiteral("：") + failure.reason;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace brontel
