#pragma once

#include <QRect>
#include <QSize>

// Places of the main window's top-level areas, in pixels of the window's client area.
namespace brontel::main_window_layout {

// The window's outer size is 810 x 622: these plus a 5-pixel frame and a 25-pixel title bar.
inline constexpr QSize kClientSize{800, 592};
inline constexpr QSize kOuterSize{810, 622};

inline constexpr QRect kLogoPlace{12, 508, 175, 62};
inline constexpr QRect kTabControlPlace{0, 8, 224, 584};
inline constexpr QRect kSharedGroupPlace{227, 515, 572, 69};
inline constexpr QRect kBoardPlace{228, 10, 572, 502};

// Each settings page holds one group at this place, relative to the tab control.
inline constexpr QRect kPageGroupPlace{5, 4, 192, 572};

// Group titles are bold Song type of this character height.
inline constexpr int kLargeTitlePixels = 16;
inline constexpr int kPageTitlePixels = 12;

}  // namespace brontel::main_window_layout
