#include "cli/state_images.h"

#include "export/bmp_encoder.h"
#include "export/cell_composite.h"
#include "export/corner_coverage.h"
#include "export/png_encoder.h"
#include "export/rounded_region.h"
#include "render/face_painter.h"

namespace brontel {
namespace {

QImage renderStateFace(const Design& design, ButtonState state, const DesktopTheme& theme) {
    Face face{design.states[indexOf(state)].face, {}};
    return renderFace(face, QSize(design.width, design.height), theme);
}

}  // namespace

QImage renderCell(const Design& design, ButtonState state, const DesktopTheme& theme) {
    const StateDesign& look = design.states[indexOf(state)];
    Face canvas{canvasStyle(look.canvasColour), {}};
    const QImage faceImage = renderStateFace(design, state, theme);
    const QImage canvasImage = renderFace(canvas, QSize(design.width, design.height), theme);
    return composeCell(faceImage, canvasImage,
                       RoundedRegion(design.width, design.height, design.cornerDiameter));
}

QImage renderTransparentCell(const Design& design, ButtonState state, const DesktopTheme& theme) {
    return composeTransparentCell(
        renderStateFace(design, state, theme),
        CornerCoverage(design.width, design.height, design.cornerDiameter));
}

PerState<Bytes> renderStateImages(const Design& design, const DesktopTheme& theme,
                                  ImageFormat format) {
    PerState<Bytes> images;
    for (ButtonState state : kButtonStates) {
        images[indexOf(state)] =
            format == ImageFormat::Png
                ? encodePng(renderTransparentCell(design, state, theme), theme.pixelRatio)
                : encodeBmp(renderCell(design, state, theme));
    }
    return images;
}

}  // namespace brontel
