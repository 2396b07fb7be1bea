#include <benchmark/benchmark.h>

#include <QImage>
#include <QLinearGradient>
#include <QPainter>

#include "render/face_painter.h"
#include "render/gradient_mode.h"
#include "render/surface.h"

// The largest face, painted whole, against three baselines of the same run: filling the
// surface with one colour (the memory floor) and Qt's own linear gradients over it.
namespace brontel {
namespace {

constexpr QSize kFaceSize{270, 220};
constexpr Colour kColour1 = 0x808080, kColour2 = 0xFFFFFF, kColour3 = 0x2060C0;

Face gradientFace(int mode) {
    Face face;
    face.style.setGradientMode(mode);
    face.style.setGradientColour1(kColour1);
    face.style.setGradientColour2(kColour2);
    face.style.setGradientColour3(kColour3);
    return face;
}

void paintWhole(benchmark::State& state, Face& face) {
    QImage surface(kFaceSize, QImage::Format_RGB32);
    const DesktopTheme theme;
    for (auto _ : state) {
        paintFace(face, surface, surface.rect(), theme);
        benchmark::DoNotOptimize(surface.constBits());
        benchmark::ClobberMemory();
    }
}

void BM_PaintFaceGradient(benchmark::State& state) {
    Face face = gradientFace(static_cast<int>(state.range(0)));
    paintWhole(state, face);
}
BENCHMARK(BM_PaintFaceGradient)->DenseRange(gradient::First, gradient::Last);

// The gradient frame of the given width around a diagonal gradient.
void BM_PaintFaceFrame(benchmark::State& state) {
    Face face = gradientFace(gradient::TopLeftToBottomRight);
    face.style.setBorder(border::GradientFrame);
    face.style.setFrameWidth(static_cast<int>(state.range(0)));
    paintWhole(state, face);
}
BENCHMARK(BM_PaintFaceFrame)->Arg(5)->Arg(40);

void BM_BaselineImageFill(benchmark::State& state) {
    QImage surface(kFaceSize, QImage::Format_RGB32);
    for (auto _ : state) {
        surface.fill(surfacePixel(kColour1));
        benchmark::DoNotOptimize(surface.constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BaselineImageFill);

// Qt's linear gradient with the same stops, top to bottom or along x + y over twice the
// shorter side, as the face's own modes 1 and 3 lay them.
void qPainterGradient(benchmark::State& state, QPointF finalStop) {
    QImage surface(kFaceSize, QImage::Format_RGB32);
    QLinearGradient gradient(QPointF(0, 0), finalStop);
    gradient.setColorAt(0.0, QColor::fromRgb(surfacePixel(kColour1)));
    gradient.setColorAt(0.5, QColor::fromRgb(surfacePixel(kColour2)));
    gradient.setColorAt(1.0, QColor::fromRgb(surfacePixel(kColour3)));
    for (auto _ : state) {
        QPainter painter(&surface);
        painter.fillRect(surface.rect(), gradient);
        painter.end();
        benchmark::DoNotOptimize(surface.constBits());
        benchmark::ClobberMemory();
    }
}

void BM_BaselineQPainterVertical(benchmark::State& state) {
    qPainterGradient(state, QPointF(0, kFaceSize.height()));
}
BENCHMARK(BM_BaselineQPainterVertical);

void BM_BaselineQPainterDiagonal(benchmark::State& state) {
    const int shorter = std::min(kFaceSize.width(), kFaceSize.height());
    qPainterGradient(state, QPointF(shorter, shorter));
}
BENCHMARK(BM_BaselineQPainterDiagonal);

}  // namespace
}  // namespace brontel
