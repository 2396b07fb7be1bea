#include "cli/state_images.h"

#include "export/bmp_encoder.h"
#include "export/cell_composite.h"
#include "export/rounded_region.h"
#include "render/face_painter.h"

namespace brontel {

QImage renderCell(const Design& design, ButtonState state, const DesktopTheme& theme) {
    const StateDesign& look = design.states[indexOf(state)];
    const QSize size(design.width, design.height);
    Face face{look.face, {}};
    Face canvas{canvasStyle(look.canvasColour), {}};
    const QImage faceImage = renderFace(face, size, theme);
    const QImage canvasImage = renderFace(canvas, size, theme);
    return composeCell(faceImage, canvasImage,
                       RoundedRegion(design.width, design.height, design.cornerDiameter));
}

PerState<Bytes> renderStateImages(const Design& design, const DesktopTheme& theme) {
    PerState<Bytes> images;
    for (ButtonState state : kButtonStates) {
        images[indexOf(state)] = encodeBmp(renderCell(design, state, theme));
    }
    return images;
}

}  // namespace brontel
