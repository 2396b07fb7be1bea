#pragma once

#include <QRect>
#include <QString>

#include "model/button_state.h"

namespace brontel {

// The rows of a settings page, top to bottom. Every page holds the same rows.
enum class PageRow {
    GradientMode,
    GradientColour1,
    GradientColour2,
    GradientColour3,
    Font,
    TextEffect,
    TextColour,
    WordWrap,
    Caption,
    Border,
    FrameColour1,
    FrameColour2,
    FrameColour3,
    FrameWidth,
    PictureMode,
    Picture,
    BackColour,
    CanvasColour,
    Alignment,
};
inline constexpr int kPageRowCount = 19;

// One row as it stands on one page: its label, and the input control lying over the label's
// right part. Places are relative to the page's group.
struct PageRowLayout {
    const char* setting;  // the <setting> of the names 按钮<S>_<setting>_<kind>
    const char* kind;     // the <kind> of the control's name
    const char* labelText;
    QRect labelPlace;
    QRect controlPlace;  // empty for the alignment row: its radios stand on their own grid
};

// The row with the page's own deviations from the common layout applied.
PageRowLayout pageRowLayout(ButtonState state, PageRow row);

QString pageControlName(ButtonState state, PageRow row);
QString pageRowLabelName(ButtonState state, PageRow row);
QString pageChooserName(ButtonState state, const char* setting);

// The nine alignment radios, in the order of main_window_texts::kAlignmentPositions.
inline constexpr int kAlignmentRadioCount = 9;
inline constexpr int kCentreAlignmentPosition = 4;  // "中", selected when the window opens
QString alignmentRadioName(ButtonState state, int position);
QRect alignmentRadioPlace(int position);

}  // namespace brontel
