#include "render/picture_placement.h"

namespace brontel {
namespace {

// Centres one side when the picture fits it; `available` becomes the picture's side then.
void centreSide(int side, int& origin, int& available) {
    if (side > available) return;
    origin += (available - side) / 2;
    available = side;
}

}  // namespace

QRect centredPlacement(QSize picture, const QRect& interior) {
    const int w = picture.width(), h = picture.height();
    int x = interior.left(), y = interior.top();
    int availableWidth = interior.width(), availableHeight = interior.height();
    centreSide(w, x, availableWidth);
    centreSide(h, y, availableHeight);
    if (w <= availableWidth && h <= availableHeight) return QRect(x, y, w, h);

    const double widthRatio = static_cast<double>(availableWidth) / w;
    const double heightRatio = static_cast<double>(availableHeight) / h;
    const double t = widthRatio < heightRatio ? widthRatio : heightRatio;
    const int drawnWidth = static_cast<int>(w * t);
    const int drawnHeight = static_cast<int>(h * t);
    x += (availableWidth - drawnWidth) / 2;
    y += (availableHeight - drawnHeight) / 2;
    return QRect(x, y, drawnWidth, drawnHeight);
}

}  // namespace brontel
