#include "ui/picture_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "render/picture/picture_limits.h"
#include "support/scratch_folder.h"

namespace brontel {
namespace {

class PictureFileTest : public testing::Test {
protected:
    ScratchFolder folder;
};

TEST_F(PictureFileTest, ReadsTheWholeFileAsItIs) {
    const QByteArray content("GIF89a\0\x01\x02not really a picture", 28);
    const Bytes bytes = readPictureFile(folder.write("odd.gif", content));
    EXPECT_EQ(bytes, Bytes(content.begin(), content.end()));
}

// None of these may fail or hang: each reads as no picture.
TEST_F(PictureFileTest, WhatCannotBeAPictureReadsAsNone) {
    const QString fifo = folder.filePath("pipe.bmp");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    QFile huge(folder.filePath("huge.bmp"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(static_cast<qint64>(kMaxPictureFileBytes) + 1));
    huge.close();

    for (const QString& path : {QString(), folder.filePath("missing.jpg"), folder.path(), fifo,
                                huge.fileName(), folder.write("empty.bmp", {})}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(readPictureFile(path).empty());
    }
}

}  // namespace
}  // namespace brontel
