#pragma once

#include <QString>

namespace brontel {

// What the export asks of the desktop: where the images go, the user's answers and the
// file browser. The program uses the real desktop; tests answer in the user's place.
class ExportDesktop {
public:
    virtual ~ExportDesktop() = default;

    virtual QString outputDir() const = 0;
    // Tells the user something went wrong; returns once the note has been read.
    virtual void warn(const QString& text, const QString& title) = 0;
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
    virtual void openFolder(const QString& folder) = 0;
};

// The platform's message boxes and file browser.
class SystemExportDesktop : public ExportDesktop {
public:
    QString outputDir() const override;
    void warn(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title) override;
    void openFolder(const QString& folder) override;
};

}  // namespace brontel
