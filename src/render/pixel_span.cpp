#include "render/pixel_span.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "render/vector_clones.h"

namespace brontel {
namespace {

// Pixels in one 64-byte cache line. Rows are written a line at a time: the first and last
// lines of a row unaligned, overlapping the middle, and the middle in whole lines, since
// wide stores that straddle two lines cost twice.
constexpr int kLine = 16;
constexpr std::size_t kLineBytes = kLine * sizeof(QRgb);

inline int pixelsToLineStart(const QRgb* row) {
    const std::uintptr_t misalignment = reinterpret_cast<std::uintptr_t>(row) % kLineBytes;
    return static_cast<int>((kLineBytes - misalignment) % kLineBytes / sizeof(QRgb));
}

// `source` holds at least `count` pixels; `count` is at least kLine.
inline void copyLines(QRgb* row, const QRgb* source, int count) {
    std::memcpy(row, source, kLineBytes);
    for (int i = pixelsToLineStart(row); i + kLine <= count; i += kLine) {
        std::memcpy(row + i, source + i, kLineBytes);
    }
    std::memcpy(row + count - kLine, source + count - kLine, kLineBytes);
}

// Every line of the row from the one `line` of pixels; `count` is at least kLine.
inline void fillLines(QRgb* row, const QRgb* line, int count) {
    std::memcpy(row, line, kLineBytes);
    for (int i = pixelsToLineStart(row); i + kLine <= count; i += kLine) {
        std::memcpy(row + i, line, kLineBytes);
    }
    std::memcpy(row + count - kLine, line, kLineBytes);
}

inline void copyShort(QRgb* row, const QRgb* source, int count) {
    for (int i = 0; i < count; ++i) row[i] = source[i];
}

}  // namespace

BRONTEL_VECTOR_CLONES void fillRows(QRgb* target, std::ptrdiff_t stride, const QRgb* pixels,
                                    std::ptrdiff_t step, int rows, int count) {
    QRgb line[kLine];
    for (int r = 0; r < rows; ++r, target += stride, pixels += step) {
        std::fill_n(line, kLine, *pixels);
        if (count >= kLine) {
            fillLines(target, line, count);
        } else {
            copyShort(target, line, count);
        }
    }
}

BRONTEL_VECTOR_CLONES void copyRows(QRgb* target, std::ptrdiff_t stride, const QRgb* pixels,
                                    std::ptrdiff_t step, int rows, int count) {
    for (int r = 0; r < rows; ++r, target += stride, pixels += step) {
        if (count >= kLine) {
            copyLines(target, pixels, count);
        } else {
            copyShort(target, pixels, count);
        }
    }
}

}  // namespace brontel
