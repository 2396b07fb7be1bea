#include "render/face_painter.h"

#include <QRegion>
#include <cstdint>

#include "render/caption_layer.h"
#include "render/colour_list.h"
#include "render/face_picture.h"
#include "render/gradient_fill.h"
#include "render/gradient_frame.h"
#include "render/surface.h"

namespace brontel {
namespace {

QRect shrunk(const QRect& rect, int by) {
    const std::int64_t twice = 2 * std::int64_t{by};
    if (twice >= rect.width() || twice >= rect.height()) return {};
    return rect.adjusted(by, by, -by, -by);
}

// Draws the gradient frame when the style has one and returns the interior: the client
// shrunk by the full frame width once the frame is drawn, otherwise the whole client.
// A frame wider than half an odd-sized client leaves a one-pixel line between its bands
// while the interior is empty; that line shows the background colour, so no pixel of the
// client is left unpainted.
QRect paintFrame(const FaceStyle& style, QImage& client, const QRect& updateBox,
                 Colour background) {
    const QRect whole = client.rect();
    if (style.border() != border::GradientFrame) return whole;
    if (!drawGradientFrame(client, whole, updateBox, style.frameWidth(), frameColourList(style))) {
        return whole;
    }
    const QRect interior = shrunk(whole, style.frameWidth());
    if (interior.isEmpty()) {
        fillRect(client, gradientFrameInner(whole, style.frameWidth()) & updateBox, background);
    }
    return interior;
}

// True when the gradient background was painted over the whole interior clip.
bool paintGradientBackground(const FaceStyle& style, QImage& client, const QRect& interior,
                             const QRect& interiorClip) {
    if (style.gradientMode() == gradient::None) return false;
    return fillGradient(client, interior, interiorClip, style.gradientMode(),
                        gradientColourList(style));
}

// Paints the background layer and returns the part of the interior clip it left
// uncovered. A face with a picture never shows its gradient.
QRegion paintBackgroundLayer(Face& face, QImage& client, const QRect& interior,
                             const QRect& interiorClip, Colour background, int pixelRatio) {
    const FaceStyle& style = face.style;
    QRegion uncovered(interiorClip);
    if (!style.picture().empty()) {
        paintFacePicture(face, client, interior, interiorClip, uncovered, background, pixelRatio);
        return uncovered;
    }
    const bool gradientCovers = paintGradientBackground(style, client, interior, interiorClip);
    return gradientCovers ? QRegion() : uncovered;
}

void fillRegion(QImage& client, const QRegion& region, Colour colour) {
    for (const QRect& rect : region) fillRect(client, rect, colour);
}

// The client area as an image over the outer image's own pixels: painting it paints the
// outer image, with no copy.
QImage clientView(QImage& outer, const QRect& clientRect) {
    uchar* first = outer.bits() + clientRect.top() * outer.bytesPerLine() +
                   clientRect.left() * static_cast<qsizetype>(sizeof(QRgb));
    return QImage(first, clientRect.width(), clientRect.height(), outer.bytesPerLine(),
                  outer.format());
}

}  // namespace

QRect clientRectOf(QSize outerSize, int border, int pixelRatio) {
    const int edge = edgeWidth(border) * pixelRatio;
    const QRect client = QRect(QPoint(0, 0), outerSize).adjusted(edge, edge, -edge, -edge);
    return client.isEmpty() ? QRect() : client;
}

void paintFace(Face& face, QImage& client, const QRect& updateArea, const DesktopTheme& theme) {
    const QRect updateBox = updateArea & client.rect();
    if (updateBox.isEmpty()) return;
    const Colour background = effectiveBackColour(face.style.backColour(), theme);
    const QRect interior = paintFrame(face.style, client, updateBox, background);
    const QRect interiorClip = updateBox & interior;
    if (interiorClip.isEmpty()) return;
    const QRegion uncovered =
        paintBackgroundLayer(face, client, interior, interiorClip, background, theme.pixelRatio);
    fillRegion(client, uncovered, background);
    drawCaption(client, face.style, interior, interiorClip, theme);
}

void renderFace(Face& face, QImage& outer, const QRect& updateArea, const DesktopTheme& theme) {
    const QRect updateBox = updateArea & outer.rect();
    if (updateBox.isEmpty() || !isPaintableSurface(outer)) return;
    drawDesktopEdge(outer, face.style.border(), updateBox, theme);
    const QRect clientRect = clientRectOf(outer.size(), face.style.border(), theme.pixelRatio);
    if (clientRect.isEmpty()) return;
    QImage client = clientView(outer, clientRect);
    paintFace(face, client, updateBox.translated(-clientRect.topLeft()), theme);
}

QImage renderFace(Face& face, QSize outerSize, const DesktopTheme& theme) {
    if (outerSize.width() <= 0 || outerSize.height() <= 0) return {};
    QImage outer(outerSize, QImage::Format_RGB32);
    if (outer.isNull()) return {};
    renderFace(face, outer, outer.rect(), theme);
    return outer;
}

}  // namespace brontel
