#pragma once

namespace brontel {

class FaceWidget;
struct SettingsPage;

// The handlers of a state page's colour, combo, width and alignment controls. Each reads the
// control that raised its event and writes that state's face or canvas, and switches
// sibling controls of the same page on or off, in the order given.

// Gradient mode chosen: the three gradient pickers work only with a gradient; on the Normal
// page the back-colour picker works only without one. Then the face takes the mode.
void onGradientModeChosen(const SettingsPage& page, FaceWidget& face);

// Gradient picker 0, 1 or 2 ("渐变背景颜色1" to "3") picked a colour. On the Normal page the
// pickers set the gradient colours in reverse order, on the other pages in their own order.
void onGradientColourPicked(const SettingsPage& page, int picker, FaceWidget& face);

void onTextEffectChosen(const SettingsPage& page, FaceWidget& face);
void onTextColourPicked(const SettingsPage& page, FaceWidget& face);

// "真" carries 0 and sets wrapping, "假" carries 1 and sets one line; any other value
// leaves the face as it is.
void onWordWrapChosen(const SettingsPage& page, FaceWidget& face);

// Border chosen: the frame width and the three frame pickers work only with the gradient
// frame, the one border that uses them. Then the face takes the border.
void onBorderChosen(const SettingsPage& page, FaceWidget& face);

// Frame picker 0, 1 or 2 ("渐变边框颜色1" to "3") picked a colour: on every page they set
// the frame colours in reverse order, picker 1 the outer colour 3.
void onFrameColourPicked(const SettingsPage& page, int picker, FaceWidget& face);

// Frame width edited, at every keystroke: the text's number truncated toward zero, with no
// bound of its own (the face draws widths below 5 as 5).
void onFrameWidthChanged(const SettingsPage& page, FaceWidget& face);

// Back colour picked: the pickers of gradient colours 3 and 1 show it, then the face takes
// it as background and as gradient colours 1 and 3; gradient colour 2 stays.
void onBackColourPicked(const SettingsPage& page, FaceWidget& face);

void onCanvasColourPicked(const SettingsPage& page, FaceWidget& canvas);

// Alignment radio `position` (in the order of the page's alignment array) clicked.
void onAlignmentClicked(int position, FaceWidget& face);

// Wires every control above to its handler, writing `face` and `canvas`, the page's state's.
void connectStatePageHandlers(const SettingsPage& page, FaceWidget& face, FaceWidget& canvas);

}  // namespace brontel
