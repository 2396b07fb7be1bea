#include "ui/picture_file_chooser.h"

#include "ui/main_window_texts.h"

namespace brontel {

PictureFileChooser::PictureFileChooser(const QString& name, QObject* parent)
    : QObject(parent),
      title_(main_window_texts::kPictureChooserTitle),
      filter_(main_window_texts::kPictureChooserFilter) {
    setObjectName(name);
}

}  // namespace brontel
