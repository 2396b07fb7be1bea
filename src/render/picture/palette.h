#pragma once

#include <QColor>
#include <array>

namespace brontel {

// The colours of an indexed picture. Entries the file does not define are opaque black, so
// every index a file can hold looks up safely.
using Palette = std::array<QRgb, 256>;

inline Palette blackPalette() {
    Palette palette;
    palette.fill(qRgb(0, 0, 0));
    return palette;
}

}  // namespace brontel
