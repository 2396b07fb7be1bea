#pragma once

#include <QDialog>

#include "model/shared_settings.h"

namespace brontel {

class ExportDesktop;
class StateImageButton;

// Shows the four captured images on one live button and exports them as the four BMP
// files of the design. Made afresh at every opening from the images of the last capture.
class PreviewExportDialog : public QDialog {
    Q_OBJECT

public:
    // The button takes its own copies of the images; later captures do not reach it.
    PreviewExportDialog(const SharedSettings& shared, ExportDesktop& desktop,
                        QWidget* parent = nullptr);

    // What the preview command calls after capturing: opens the dialog modally on the real
    // desktop and returns once the user has closed it.
    static void open(const SharedSettings& shared, QWidget* parent = nullptr);

private:
    void placeControls();
    void loadButton(const SharedSettings& shared);
    void onDisableClicked(bool ticked);
    void exportImages();

    ExportDesktop& desktop_;
    StateImageButton* imageButton_ = nullptr;
};

}  // namespace brontel
