#pragma once

#include <QObject>
#include <QString>

#include "model/colour.h"
#include "model/font_spec.h"

namespace brontel {

// A page's font chooser: no window of its own, it remembers the font last confirmed through
// it so that the dialog opens with it next time. Before the first choice it holds no font:
// empty name, size 0, colour black, no effects.
class FontChooser : public QObject {
    Q_OBJECT

public:
    FontChooser(const QString& name, QObject* parent);

    const FontSpec& lastFont() const { return lastFont_; }
    Colour lastColour() const { return lastColour_; }
    // Remembers a confirmed choice; a cancelled dialog leaves the last one.
    void setLastFont(const FontSpec& font) { lastFont_ = font; }

private:
    FontSpec lastFont_;
    Colour lastColour_ = 0x000000;
};

}  // namespace brontel
