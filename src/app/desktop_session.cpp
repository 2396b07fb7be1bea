#include "app/desktop_session.h"

#include <cstdlib>

namespace brontel {
namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

}  // namespace

bool hasDesktopSession() {
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

std::string noDesktopSessionMessage() {
    return "brontel: no desktop session found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
           "Brontel is a desktop program and needs a graphical session to open its window.\n"
           "To run it without a screen, start it under a virtual X server:\n"
           "    xvfb-run -a build/release/src/app/brontel\n"
           "To render the button images without any window, use brontel-render.\n";
}

}  // namespace brontel
