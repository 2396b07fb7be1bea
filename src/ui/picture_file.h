#pragma once

#include <QString>

#include "model/bytes.h"

namespace brontel {

// The whole file as a face's picture. Whatever cannot be read gives no picture: a missing
// or unreadable file, an empty path, anything that is not a regular file (a device or a
// pipe would never end), and a file beyond the size any picture may have, which the face
// could never show.
Bytes readPictureFile(const QString& path);

}  // namespace brontel
