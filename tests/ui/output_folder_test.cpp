#include "ui/output_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "support/scratch_folder.h"

namespace brontel {
namespace {

const QString kName = QStringLiteral("制作的图片");

// What stands where a folder could go before the program starts.
enum class Place { Missing, Folder, File };

struct FolderCase {
    const char* name;
    Place besideProgram;
    Place picturesFolder;  // the user's pictures folder itself
    bool made;
    bool inPictures;  // the folder in use is the one in the pictures folder
};

void PrintTo(const FolderCase& c, std::ostream* os) {
    *os << c.name;
}

// A program folder and a home with a pictures folder, laid out as the case says.
class OutputFolderChoice : public testing::TestWithParam<FolderCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(program()));
        ASSERT_TRUE(QDir().mkpath(scratch_.filePath("home")));
        lay(GetParam().besideProgram, program() + '/' + kName);
        lay(GetParam().picturesFolder, pictures());
    }

    QString program() const { return scratch_.filePath("opt/brontel"); }
    QString pictures() const { return scratch_.filePath("home/Pictures"); }

    void lay(Place place, const QString& path) const {
        if (place == Place::Folder) {
            ASSERT_TRUE(QDir().mkpath(path));
        } else if (place == Place::File) {
            scratch_.write(QDir(scratch_.path()).relativeFilePath(path), "x");
        }
    }

    ScratchFolder scratch_;
};

TEST_P(OutputFolderChoice, PrefersTheProgramsFolderAndFallsBackToPictures) {
    const FolderCase& c = GetParam();
    const OutputFolder folder(program(), pictures());
    EXPECT_EQ(folder.make(), c.made);
    const QString beside = program() + '/' + kName;
    const QString inPictures = pictures() + '/' + kName;
    EXPECT_EQ(folder.path(), c.inPictures ? inPictures : beside);
    EXPECT_EQ(QFileInfo(inPictures).isDir(), c.inPictures)
        << "the pictures folder is touched only when the program's folder cannot be used";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputFolderChoice,
    testing::Values(
        FolderCase{"FreshProgramFolder", Place::Missing, Place::Missing, true, false},
        FolderCase{"ExistingFolderBesideProgram", Place::Folder, Place::Folder, true, false},
        FolderCase{"BlockedBesideProgramPicturesMissing", Place::File, Place::Missing, true, true},
        FolderCase{"BlockedBesideProgramPicturesPresent", Place::File, Place::Folder, true, true},
        FolderCase{"BothBlocked", Place::File, Place::File, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OutputFolder, KeepsTheFilesOfAnExistingFolder) {
    ScratchFolder scratch;
    ASSERT_TRUE(QDir().mkpath(scratch.filePath("program/" + kName)));
    const QString kept = scratch.write("program/" + kName + "/按钮_正常图片.bmp", "BM kept");
    EXPECT_TRUE(OutputFolder(scratch.filePath("program"), scratch.filePath("Pictures")).make());
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "BM kept");
}

TEST(OutputFolder, WithoutAPicturesFolderTheProgramsFolderStays) {
    ScratchFolder scratch;
    scratch.write(kName, "x");
    const OutputFolder folder(scratch.path(), QString());
    EXPECT_FALSE(folder.make());
    EXPECT_EQ(folder.path(), scratch.path() + '/' + kName);
}

TEST(OutputFolder, AReadOnlyProgramFolderSendsTheImagesToPictures) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    ScratchFolder scratch;
    const QString program = scratch.filePath("program");
    ASSERT_TRUE(QDir().mkpath(program));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    const OutputFolder folder(program, scratch.filePath("Pictures"));
    EXPECT_TRUE(folder.make());
    EXPECT_EQ(folder.path(), scratch.filePath("Pictures/" + kName));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace
}  // namespace brontel
