#pragma once

#include "model/shared_settings.h"

namespace brontel {

class ChooserDialogs;
class FaceBoard;
class MainWindow;
struct SettingsPage;
struct SharedGroup;

// The handlers of the shared-settings group: they write all four faces (or canvases) at once
// and the shared numbers, never the state pages' controls, which keep their own values.

// Height field changed, or re-applied before a capture: the field's number, held to 220 by
// correcting the field itself, becomes buttonHeight and the height of the four faces and
// canvases; the selection frame stays 4 pixels higher. Pending window events run before and
// after the resizing. A height of 0 or less leaves the faces 0 pixels high, showing nothing,
// while buttonHeight keeps the number as read. Safe to re-enter: when the events let through
// change the field again, the run they raise applies the newer text and this one stops.
void onHeightChanged(const SharedGroup& group, const FaceBoard& board, SharedSettings& shared);

// The same for the width, held to 270.
void onWidthChanged(const SharedGroup& group, const FaceBoard& board, SharedSettings& shared);

// Corner field changed: each face is clipped to the rounded rectangle of its current width
// and the Normal face's current height. Only this replaces the faces' regions, so faces
// resized later keep the region they had.
void onCornerChanged(const SharedGroup& group, const FaceBoard& board, SharedSettings& shared);

// Shared canvas colour picked: the four canvases take it; the pages' canvas pickers do not.
void onSharedCanvasColourPicked(const SharedGroup& group, const FaceBoard& board);

// Shared picture field released: a chosen file becomes the picture of all four faces and
// switches off the Normal page's gradient mode and back colour; cancelling clears the four
// pictures and switches them on again. The pages' own picture rows are left alone.
void onSharedPictureFieldReleased(const SharedGroup& group, const FaceBoard& board,
                                  const SettingsPage& normalPage, ChooserDialogs& dialogs);

// Wires the group's height, width, corner, canvas and picture controls. `shared` and
// `dialogs` must outlive the window.
void connectSharedSettingsHandlers(const MainWindow& window, SharedSettings& shared,
                                   ChooserDialogs& dialogs);

}  // namespace brontel
