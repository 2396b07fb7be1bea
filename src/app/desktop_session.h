#pragma once

#include <string>

namespace brontel {

// Whether a windowing system can be reached: a platform chosen for Qt, or an X11 or
// Wayland session. Checked before the toolkit starts, which would otherwise abort.
bool hasDesktopSession();

// What to tell someone who started the program without one.
std::string noDesktopSessionMessage();

}  // namespace brontel
