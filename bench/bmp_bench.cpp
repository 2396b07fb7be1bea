#include <benchmark/benchmark.h>

#include <QImage>
#include <cstring>
#include <vector>

#include "export/bmp_encoder.h"

namespace {

QImage largestCell() {
    QImage image(270, 220, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x, y, x ^ y));
    }
    return image;
}

// Encoding the largest cell, beside copying a file of its length: the encoder should cost
// little more than touching its output once.
void BM_EncodeBmpLargestCell(benchmark::State& state) {
    const QImage image = largestCell();
    for (auto _ : state) benchmark::DoNotOptimize(brontel::encodeBmp(image));
    state.SetBytesProcessed(state.iterations() * 178694);
}
BENCHMARK(BM_EncodeBmpLargestCell);

// Baseline: one memcpy of a file's length into a buffer that already exists.
void BM_CopyOfTheSameLength(benchmark::State& state) {
    const std::vector<unsigned char> source(178694, 0x5A);
    std::vector<unsigned char> copy(source.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), source.data(), source.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 178694);
}
BENCHMARK(BM_CopyOfTheSameLength);

}  // namespace
