#pragma once

#include <QImage>
#include <QRect>

#include "render/colour_list.h"

namespace brontel {

// The part of `client` the frame's bands leave inside them: the client less the band
// thicknesses, which are `frameWidth` held to half the client's width (sides) and height
// (top and bottom).
QRect gradientFrameInner(const QRect& client, int frameWidth);

// Paints the gradient frame in the outer band of `client`, `frameWidth` pixels thick where
// the client is large enough (each pair of bands is held to half the client's size), only
// inside `updateBox`. Top and left bands run the colours from the outer edge inwards,
// bottom and right bands from the inner edge outwards, and the corners are mitred along
// the diagonal from the outer to the inner corner; a pixel whose centre lies exactly on
// that diagonal belongs to the top or bottom band. Fails when the list has fewer than 2
// colours, the width is not positive, the client is too small for a band, or a band's
// gradient fails (bands already painted stay).
bool drawGradientFrame(QImage& surface, const QRect& client, const QRect& updateBox, int frameWidth,
                       const ColourList& colours);

}  // namespace brontel
