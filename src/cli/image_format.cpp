#include "cli/image_format.h"

#include "export/export_file_names.h"

namespace brontel {

std::optional<ImageFormat> imageFormatNamed(const QString& name) {
    if (name == QLatin1String("bmp")) return ImageFormat::Bmp;
    if (name == QLatin1String("png")) return ImageFormat::Png;
    return std::nullopt;
}

QString stateImageFileName(ButtonState state, ImageFormat format) {
    const QString bmpName = QString::fromUtf8(kExportFileNames[indexOf(state)]);
    if (format == ImageFormat::Bmp) return bmpName;
    return bmpName.chopped(QStringLiteral(".bmp").size()) + QStringLiteral(".png");
}

}  // namespace brontel
