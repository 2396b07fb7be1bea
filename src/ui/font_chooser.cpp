#include "ui/font_chooser.h"

namespace brontel {

FontChooser::FontChooser(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
}

}  // namespace brontel
