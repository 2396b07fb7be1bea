#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace brontel {

// A temporary folder for the files a test writes, removed with the test.
class ScratchFolder {
public:
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

    // Writes the bytes to the named file in the folder and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
        return path;
    }

private:
    QTemporaryDir dir_;
};

}  // namespace brontel
