#pragma once

#include <QImage>

#include "model/button_state.h"
#include "model/shared_settings.h"

class QWidget;

namespace brontel {

class FaceBoard;
struct SharedGroup;

// The cell of one state exactly as the board shows it: the face, painted at its whole outer
// size, where its region covers it, and the canvas beneath everywhere else. A null image when
// the cell has no pixels.
QImage captureCell(const FaceBoard& board, ButtonState state);

// The four cells as BMP files, in state order, taken one after another without letting any
// event run in between, so that all four show the same moment. Each stored image is replaced
// only once its successor exists; a cell without pixels stores the empty array.
void captureStateImages(const FaceBoard& board, SharedSettings& shared);

// "预览导出" clicked: re-applies the height and then the width field, lets the board repaint at
// its final size, captures the four cells into stateImages and opens the preview-and-export
// dialog over `window`, returning once the user has closed it.
void runPreviewCommand(const SharedGroup& group, const FaceBoard& board, SharedSettings& shared,
                       QWidget* window);

}  // namespace brontel
