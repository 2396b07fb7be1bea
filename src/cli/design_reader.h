#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "cli/design.h"

namespace brontel {

// Design files are small; anything larger is refused before it is parsed.
inline constexpr qint64 kDesignFileLimit = 1 << 20;
// A picture file larger than this is left out with a warning, as an unreadable one is.
inline constexpr qint64 kPictureFileLimit = qint64{64} << 20;

// The outcome of reading a design. A refused design has no value and one error naming the
// file and the line and column or the field; pictures that cannot be read only warn.
struct DesignReading {
    std::optional<Design> design;
    std::string error;
    std::vector<std::string> warnings;
};

// Reads the design file at `path`; picture paths in it start from the file's folder.
DesignReading readDesign(const QString& path);

// Reads design text. `fileName` names it in messages; `folder` is where picture paths start.
DesignReading parseDesign(const QByteArray& json, const QString& fileName, const QString& folder);

}  // namespace brontel
