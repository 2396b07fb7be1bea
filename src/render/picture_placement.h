#pragma once

#include <QRect>
#include <QSize>

namespace brontel {

// Where a centred picture of natural size `picture` stands in `interior`: centred at
// natural size when it fits, otherwise shrunk by one ratio to fit, with sizes truncated
// from binary64 products (a 300 x 300 picture fitted into 220 pixels draws 219 wide).
QRect centredPlacement(QSize picture, const QRect& interior);

}  // namespace brontel
