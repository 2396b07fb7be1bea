#include "render/picture_blend.h"

#include <algorithm>
#include <cmath>

namespace brontel {
namespace {

constexpr float kOneIn255 = 1.0f / 255.0f;

QRgb blendPixel(QRgb pixel, Colour background) {
    const int alpha = qAlpha(pixel);
    if (alpha == 255) return pixel;
    return qRgb(blendChannel(qRed(pixel), redOf(background), alpha),
                blendChannel(qGreen(pixel), greenOf(background), alpha),
                blendChannel(qBlue(pixel), blueOf(background), alpha));
}

}  // namespace

int blendChannel(int pixel, int background, int alpha) {
    const float weight = static_cast<float>(alpha) * kOneIn255;
    const double q = weight;
    const double mixed = std::trunc(pixel * q + background * (1.0 - q));
    return static_cast<int>(std::clamp(mixed, 0.0, 255.0));
}

QImage flattenOver(const QImage& picture, Colour background) {
    if (!picture.hasAlphaChannel()) return picture;
    QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    QImage flat(straight.size(), QImage::Format_RGB32);
    if (straight.isNull() || flat.isNull()) return {};
    for (int y = 0; y < flat.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) out[x] = blendPixel(in[x], background);
    }
    return flat;
}

}  // namespace brontel
