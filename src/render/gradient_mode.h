#pragma once

namespace brontel {

// Directions of `FaceStyle::gradientMode`, named by where colour 1 lies and where the
// gradient runs; 0 means no gradient. The gradient frame paints with the first two.
namespace gradient {
inline constexpr int None = 0, TopToBottom = 1, LeftToRight = 2, TopLeftToBottomRight = 3,
                     TopRightToBottomLeft = 4, BottomToTop = 5, RightToLeft = 6,
                     BottomRightToTopLeft = 7, BottomLeftToTopRight = 8;
inline constexpr int First = TopToBottom, Last = BottomLeftToTopRight;
}  // namespace gradient

}  // namespace brontel
