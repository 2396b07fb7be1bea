#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>

#include "render/decoded_picture.h"

namespace {

// A photograph's worth of detail: smooth colour fields with fine noise, so the encoders
// neither collapse it into nothing nor face pure noise.
QImage photoLike(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    std::uint32_t noise = 12345;
    for (int y = 0; y < size; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int n = static_cast<int>(noise >> 28) - 8;
            const int r = 128 + static_cast<int>(100 * std::sin(x * 0.01)) + n;
            const int g = 128 + static_cast<int>(100 * std::cos(y * 0.013)) + n;
            const int b = (x + y) / 8 % 256;
            row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), b);
        }
    }
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray data;
    QBuffer buffer(&data);
    QImageWriter writer(&buffer, format);
    writer.setQuality(90);
    writer.write(image);
    return data;
}

const QByteArray& file(const char* format) {
    static const QByteArray jpeg = encoded(photoLike(1000), "jpeg");
    static const QByteArray png =
        encoded(photoLike(1000).convertToFormat(QImage::Format_ARGB32), "png");
    return std::string_view(format) == "jpeg" ? jpeg : png;
}

void decodeWithBrontel(benchmark::State& state, const char* format) {
    const QByteArray& data = file(format);
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(data.constData()),
                          static_cast<std::size_t>(data.size()));
    for (auto _ : state) {
        auto picture = brontel::decodePicture(bytes);
        if (!picture) state.SkipWithError("no picture");
        benchmark::DoNotOptimize(picture);
    }
    state.SetItemsProcessed(state.iterations() * 1000 * 1000);
}

// Baseline: Qt's own reader on the same bytes, to the same kind of image.
void decodeWithQt(benchmark::State& state, const char* format) {
    QByteArray data = file(format);
    for (auto _ : state) {
        QBuffer buffer(&data);
        QImageReader reader(&buffer, format);
        QImage image = reader.read();
        if (image.isNull()) state.SkipWithError("no picture");
        benchmark::DoNotOptimize(image);
    }
    state.SetItemsProcessed(state.iterations() * 1000 * 1000);
}

BENCHMARK_CAPTURE(decodeWithBrontel, Jpeg1000, "jpeg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeWithQt, Jpeg1000, "jpeg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeWithBrontel, Png1000, "png")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeWithQt, Png1000, "png")->Unit(benchmark::kMillisecond);

}  // namespace
