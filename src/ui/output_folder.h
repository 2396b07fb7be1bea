#pragma once

#include <QString>

namespace brontel {

// Where the four button images are exported: "制作的图片" beside the program, the first
// choice, or else "制作的图片" in the user's pictures folder. A program installed in a system
// folder cannot make or write a folder beside itself, and its exports would be lost there.
class OutputFolder {
public:
    OutputFolder(const QString& programFolder, const QString& picturesFolder);

    // The folders of the running program and of the signed-in user.
    static OutputFolder ofThisProgram();

    // The folder in use: the first of the two that is a folder the user can write into, or
    // the one beside the program when neither is (exporting there then reports the failure).
    QString path() const;

    // Makes the folder beside the program, or when that cannot be done or written into, the
    // one in the pictures folder (with the pictures folder itself when missing). An existing
    // folder and its files are left as they are. True when path() is then usable.
    bool make() const;

private:
    QString besideProgram_;
    QString inPictures_;  // empty when the desktop names no pictures folder
};

}  // namespace brontel
