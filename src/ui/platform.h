#pragma once

#include <QString>

namespace brontel {

// The few desktop services the program needs, in one place.

// The folder of the running executable, without a trailing separator.
QString programFolder();

// The folder the four button images are exported into: "制作的图片" beside the program, or in
// the user's pictures folder when the program's own folder cannot hold it (see OutputFolder).
QString outputDir();

// Creates the output folder. True when a usable folder exists afterwards; when none can be
// made, the export meets the failure and reports it, and start-up reports nothing.
bool makeOutputDir();

// Asks a yes-or-no question in a box with the information icon, owned by no window and
// modal for the whole application. True when the user answers Yes.
bool askYesNo(const QString& text, const QString& title);

// Has the desktop's file browser open the folder. Without a file browser nothing happens.
void openFolder(const QString& folder);

}  // namespace brontel
