#pragma once

#include "model/shared_settings.h"

class QWidget;

namespace brontel {

class EditBox;
class FaceBoard;
class FaceWidget;

// The handlers of the fields that open the caption dialogs. `window` is the window the
// dialogs open over; it takes no input while one is open.

// Left button released over a state page's caption field: the field's text, whatever it
// is, goes to the caption editor; what comes back is shown in the field and becomes the
// face's caption. An empty caption leaves the field showing "点击设置".
void onStateCaptionFieldReleased(EditBox& field, FaceWidget& face, SharedSettings& shared,
                                 QWidget* window);

// Left button released over the shared captions field: after the four-captions dialog,
// confirmed or not, the field shows the four stored captions joined by commas. Writing the
// field raises its content-changed handler, which puts the captions on the faces.
void onSharedCaptionFieldReleased(EditBox& field, SharedSettings& shared, QWidget* window);

// Content of the shared captions field changed, typed or written: the four faces take the
// stored captions. The field's own text is never read back, so commas in captions are safe.
void onSharedCaptionFieldChanged(const FaceBoard& board, const SharedSettings& shared);

}  // namespace brontel
