#pragma once

#include <QStringList>
#include <functional>
#include <ostream>

namespace brontel {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;    // an image could not be drawn or written
inline constexpr int kExitBadInput = 2;  // bad arguments, design file or output folder

// brontel-render with its arguments (the program name left out): renders a design file into
// the four BMP files, or prints the initial design. Results go to `out`, messages to `err`.
// `startDrawing` is called once, only when a valid design is about to be drawn: it must make
// the QGuiApplication that fonts and painters need, so that printing, usage errors and bad
// designs never wait for the windowing platform.
int runRenderCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                     const std::function<void()>& startDrawing);

}  // namespace brontel
