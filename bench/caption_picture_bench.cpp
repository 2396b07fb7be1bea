#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "model/initial_styles.h"
#include "render/face_painter.h"
#include "render/picture_layer.h"
#include "render/picture_placement.h"

namespace brontel {
namespace {

const QRect kInterior{0, 0, 270, 220};
constexpr Colour kBackground = 0xFFA8FF;

// Fonts need a GUI application; the benchmark runner makes none of its own.
void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "brontel-bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() != nullptr) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

QImage pattern(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) image.setPixel(x, y, qRgb(x, y, x ^ y));
    return image;
}

// A 1000 x 1000 picture centred and shrunk to fit the largest face, averaging areas...
void BM_CentreAndFitAreaAverage(benchmark::State& state) {
    const DecodedPicture picture{PictureKind::Bmp, pattern({1000, 1000})};
    QImage surface(kInterior.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QRegion uncovered(kInterior);
        drawPictureLayer(surface, picture, 2, kInterior, kInterior, uncovered, kBackground);
        benchmark::DoNotOptimize(surface.bits());
    }
}
BENCHMARK(BM_CentreAndFitAreaAverage)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// ...beside the same placement through Qt's smooth scaling (process time, so the threads
// Qt scales large images with are counted).
void BM_CentreAndFitQtSmoothScaled(benchmark::State& state) {
    const QImage picture = pattern({1000, 1000});
    QImage surface(kInterior.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        const QRect placed = centredPlacement(picture.size(), kInterior);
        const QImage scaled =
            picture.scaled(placed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QPainter painter(&surface);
        painter.drawImage(placed.topLeft(), scaled);
        benchmark::DoNotOptimize(surface.bits());
    }
}
BENCHMARK(BM_CentreAndFitQtSmoothScaled)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

Bytes bmpBytes(const QImage& image) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return Bytes(data.begin(), data.end());
}

void paintFaces(benchmark::State& state, Face face) {
    ensureGuiApplication();
    QImage outer(kInterior.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        renderFace(face, outer, outer.rect(), DesktopTheme{});
        benchmark::DoNotOptimize(outer.bits());
    }
}

// A whole 270 x 220 face: caption with its shadow over a tiled 64 x 64 picture...
void BM_FullPaintShadowOverTiles(benchmark::State& state) {
    Face face{initialFaceStyle(ButtonState::Normal), {}};
    face.style.setTextEffect(static_cast<int>(TextEffect::Shadow));
    face.style.setPictureMode(static_cast<int>(PictureMode::Tiled));
    face.style.setPicture(bmpBytes(pattern({64, 64})));
    paintFaces(state, std::move(face));
}
BENCHMARK(BM_FullPaintShadowOverTiles)->Unit(benchmark::kMicrosecond);

// ...beside the initial face: plain background and caption.
void BM_FullPaintInitialFace(benchmark::State& state) {
    paintFaces(state, Face{initialFaceStyle(ButtonState::Normal), {}});
}
BENCHMARK(BM_FullPaintInitialFace)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace brontel
