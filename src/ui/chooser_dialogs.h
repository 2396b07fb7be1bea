#pragma once

#include <QString>
#include <optional>

#include "model/font_spec.h"

namespace brontel {

class FontChooser;
class PictureFileChooser;

// The modal dialogs behind the choosers. Handlers ask through this, so that tests can answer
// for the user without a window opening. Each call blocks until the dialog is closed and
// gives nothing when it was cancelled. A dialog opens with what its chooser remembers;
// remembering the confirmed choice is the handler's part.
class ChooserDialogs {
public:
    virtual ~ChooserDialogs() = default;

    virtual std::optional<FontSpec> chooseFont(const FontChooser& chooser) = 0;
    // The full path of an existing file.
    virtual std::optional<QString> choosePictureFile(const PictureFileChooser& chooser) = 0;
};

// The desktop's own font and file-open dialogs, over the window the chooser belongs to.
class DesktopChooserDialogs final : public ChooserDialogs {
public:
    std::optional<FontSpec> chooseFont(const FontChooser& chooser) override;
    std::optional<QString> choosePictureFile(const PictureFileChooser& chooser) override;
};

}  // namespace brontel
