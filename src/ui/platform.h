#pragma once

#include <QString>

namespace brontel {

// The few desktop services the program needs, in one place.

// The folder of the running executable, without a trailing separator.
QString programFolder();

// The fixed folder the four button images are exported into, beside the program.
QString outputDir();

// Creates the output folder (one level). True when the folder exists afterwards; a folder
// that cannot be made is left for the export to meet, and nothing is reported.
bool makeOutputDir();

// Asks a yes-or-no question in a box with the information icon, owned by no window and
// modal for the whole application. True when the user answers Yes.
bool askYesNo(const QString& text, const QString& title);

// Has the desktop's file browser open the folder. Without a file browser nothing happens.
void openFolder(const QString& folder);

}  // namespace brontel
