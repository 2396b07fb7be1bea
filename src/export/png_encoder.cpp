#include "export/png_encoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <cmath>

#include "model/font_spec.h"

namespace brontel {
namespace {

constexpr double kMetresPerInch = 0.0254;

QImage::Format formatFor(const QImage& image) {
    return image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

// A view of the pixels alone, valid while `pixels` lives: none of the image's text or colour
// space reaches the file, and its density is the desktop's at the pixel ratio.
QImage bareView(const QImage& pixels, int pixelRatio) {
    QImage view(pixels.constBits(), pixels.width(), pixels.height(), pixels.bytesPerLine(),
                pixels.format());
    const int dotsPerMetre =
        static_cast<int>(std::lround(kScreenDpi * pixelRatio / kMetresPerInch));
    view.setDotsPerMeterX(dotsPerMetre);
    view.setDotsPerMeterY(dotsPerMetre);
    return view;
}

}  // namespace

Bytes encodePng(const QImage& image, int pixelRatio) {
    if (image.isNull() || pixelRatio < 1) return {};
    const QImage pixels = image.convertToFormat(formatFor(image));
    if (pixels.isNull()) return {};
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(bareView(pixels, pixelRatio))) return {};
    return Bytes(file.begin(), file.end());
}

}  // namespace brontel
