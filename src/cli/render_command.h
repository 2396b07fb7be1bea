#pragma once

#include <QStringList>
#include <ostream>

namespace brontel {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;    // an image could not be drawn or written
inline constexpr int kExitBadInput = 2;  // bad arguments, design file or output folder

// brontel-render with its arguments (the program name left out): renders a design file into
// the four BMP files, or prints the initial design. Results go to `out`, messages to `err`.
// Needs a QGuiApplication for drawing.
int runRenderCommand(const QStringList& arguments, std::ostream& out, std::ostream& err);

}  // namespace brontel
