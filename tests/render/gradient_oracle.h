#pragma once

#include <algorithm>
#include <cstdint>

namespace brontel::test {

// The gradient mode table written out plainly, pixel by pixel: the oracle the fast fills and
// every image drawn from them must match. Position of pixel (x, y) along the gradient of a
// w x h rectangle, and the extent that position runs over.
inline std::int64_t oraclePosition(int mode, std::int64_t x, std::int64_t y, std::int64_t w,
                                   std::int64_t h) {
    switch (mode) {
        case 1:
            return y;
        case 2:
            return x;
        case 3:
            return x + y;
        case 4:
            return (w - 1 - x) + y;
        case 5:
            return h - 1 - y;
        case 6:
            return w - 1 - x;
        case 7:
            return (w - 1 - x) + (h - 1 - y);
        default:
            return x + (h - 1 - y);
    }
}

inline std::int64_t oracleExtent(int mode, std::int64_t w, std::int64_t h) {
    if (mode == 1 || mode == 5) return h;
    if (mode == 2 || mode == 6) return w;
    return 2 * std::min(w, h);
}

}  // namespace brontel::test
