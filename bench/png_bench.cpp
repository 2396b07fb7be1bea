#include <benchmark/benchmark.h>

#include <QImage>

#include "export/bmp_encoder.h"
#include "export/cell_composite.h"
#include "export/corner_coverage.h"
#include "export/png_encoder.h"
#include "export/rounded_region.h"

namespace {

// A face with detail in every pixel, as gradients and captions give, at a scale's size.
QImage patternedFace(int scale) {
    QImage image(270 * scale, 220 * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x, y, (x + y) / 3));
    }
    return image;
}

QImage greenCanvas(int scale) {
    QImage image(270 * scale, 220 * scale, QImage::Format_RGB32);
    image.fill(qRgb(0, 255, 0));
    return image;
}

// The BMP export of four cells with corners of 40 design pixels: the baseline the PNG path
// is measured against in the same run.
void BM_FourBmpCells(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    const QImage face = patternedFace(scale), canvas = greenCanvas(scale);
    for (auto _ : state) {
        for (int cell = 0; cell < 4; ++cell) {
            const brontel::RoundedRegion region(face.width(), face.height(), 40 * scale);
            benchmark::DoNotOptimize(
                brontel::encodeBmp(brontel::composeCell(face, canvas, region)));
        }
    }
}
BENCHMARK(BM_FourBmpCells)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The PNG export of the same four cells: coverage, alpha and compression.
void BM_FourPngCells(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    const QImage face = patternedFace(scale);
    for (auto _ : state) {
        for (int cell = 0; cell < 4; ++cell) {
            const brontel::CornerCoverage coverage(face.width(), face.height(), 40 * scale);
            benchmark::DoNotOptimize(
                brontel::encodePng(brontel::composeTransparentCell(face, coverage), scale));
        }
    }
}
BENCHMARK(BM_FourPngCells)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The coverage alone, four times, to tell its share from the compression's.
void BM_FourCornerCoverages(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int cell = 0; cell < 4; ++cell) {
            benchmark::DoNotOptimize(brontel::CornerCoverage(270 * scale, 220 * scale, 40 * scale));
        }
    }
}
BENCHMARK(BM_FourCornerCoverages)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
