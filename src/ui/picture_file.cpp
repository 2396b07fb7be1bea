#include "ui/picture_file.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include "render/picture/picture_limits.h"

namespace brontel {

Bytes readPictureFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) return {};
    if (static_cast<std::size_t>(info.size()) > kMaxPictureFileBytes) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) return {};
    return Bytes(content.begin(), content.end());
}

}  // namespace brontel
