#pragma once

#include <QRgb>
#include <cstddef>

namespace brontel {

// The two writes every gradient comes down to, over `rows` rows of `count` pixels that
// start `stride` pixels apart: row r is filled with `pixels[r * step]`, or copied from
// `pixels + r * step`. They are the painter's innermost loops: they run with the widest
// stores the processor has, each row from its first cache-line boundary on.
void fillRows(QRgb* target, std::ptrdiff_t stride, const QRgb* pixels, std::ptrdiff_t step,
              int rows, int count);
void copyRows(QRgb* target, std::ptrdiff_t stride, const QRgb* pixels, std::ptrdiff_t step,
              int rows, int count);

}  // namespace brontel
