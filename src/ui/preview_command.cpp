#include "ui/preview_command.h"

#include <QCoreApplication>

#include "export/bmp_encoder.h"
#include "export/cell_composite.h"
#include "ui/face_board.h"
#include "ui/face_widget.h"
#include "ui/preview_export_dialog.h"
#include "ui/shared_settings_handlers.h"

namespace brontel {

QImage captureCell(const FaceBoard& board, ButtonState state) {
    const FaceWidget& face = board.face(state);
    const FaceWidget& canvas = board.canvas(state);
    // A face never clipped covers its whole cell: no canvas pixel can show.
    if (!face.hasRoundedRegion()) return face.grabFace();
    return composeCell(face.grabFace(), canvas.grabFace(), face.roundedRegion());
}

void captureStateImages(const FaceBoard& board, SharedSettings& shared) {
    for (ButtonState state : kButtonStates) {
        Bytes image = encodeBmp(captureCell(board, state));
        shared.stateImages[indexOf(state)] = std::move(image);
    }
}

void runPreviewCommand(const SharedGroup& group, const FaceBoard& board, SharedSettings& shared,
                       QWidget* window) {
    onHeightChanged(group, board, shared);
    onWidthChanged(group, board, shared);
    QCoreApplication::processEvents();
    captureStateImages(board, shared);
    PreviewExportDialog::open(shared, window);
}

}  // namespace brontel
