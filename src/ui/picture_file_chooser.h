#pragma once

#include <QObject>
#include <QString>

namespace brontel {

// A file-open chooser for background pictures: no window of its own, it holds the dialog's
// settings and remembers the file last confirmed through it (empty before the first).
// The chosen file and its folder must exist; the dialog may change the current folder.
class PictureFileChooser : public QObject {
    Q_OBJECT

public:
    PictureFileChooser(const QString& name, QObject* parent);

    const QString& title() const { return title_; }
    // One entry, selected when the dialog opens.
    const QString& filter() const { return filter_; }
    const QString& lastFile() const { return lastFile_; }
    // Remembers a confirmed choice; a cancelled dialog leaves the last one.
    void setLastFile(const QString& file) { lastFile_ = file; }

private:
    QString title_;
    QString filter_;
    QString lastFile_;
};

}  // namespace brontel
