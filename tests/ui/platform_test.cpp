#include "ui/platform.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include "act_when_shown.h"

namespace brontel {
namespace {

TEST(Platform, OutputDirIsTheImagesFolderBesideAWritableProgram) {
    ASSERT_TRUE(makeOutputDir());
    EXPECT_EQ(programFolder(), QCoreApplication::applicationDirPath());
    EXPECT_FALSE(programFolder().endsWith(QLatin1Char('/')));
    EXPECT_EQ(outputDir(), programFolder() + QStringLiteral("/制作的图片"));
}

TEST(Platform, MakingTheOutputDirKeepsAnExistingOneAndItsFiles) {
    // The folder is left in place afterwards: other tests of the program make it too.
    ASSERT_TRUE(makeOutputDir());
    QFile kept(outputDir() + QStringLiteral("/platform_test_kept.bmp"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("BM");
    kept.close();
    EXPECT_TRUE(makeOutputDir());
    EXPECT_EQ(QFileInfo(kept.fileName()).size(), 2);
    kept.remove();
}

struct AnswerCase {
    const char* name;
    QMessageBox::StandardButton button;
    bool answer;
};

void PrintTo(const AnswerCase& c, std::ostream* os) {
    *os << c.name;
}

class AskYesNo : public testing::TestWithParam<AnswerCase> {};

TEST_P(AskYesNo, AsksInAnOwnerlessApplicationModalInformationBox) {
    const AnswerCase& c = GetParam();
    test::ActWhenShown<QMessageBox> onBox([&](QMessageBox* box) {
        EXPECT_EQ(box->text(), QStringLiteral("是否打开目录？"));
        EXPECT_EQ(box->windowTitle(), QStringLiteral("提示"));
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->parentWidget(), nullptr);
        box->button(c.button)->click();
    });
    EXPECT_EQ(askYesNo(QStringLiteral("是否打开目录？"), QStringLiteral("提示")), c.answer);
    EXPECT_TRUE(onBox.acted());
}

INSTANTIATE_TEST_SUITE_P(Cases, AskYesNo,
                         testing::Values(AnswerCase{"Yes", QMessageBox::Yes, true},
                                         AnswerCase{"No", QMessageBox::No, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Platform, OpeningAMissingFolderMakesNothing) {
    QTemporaryDir root;
    const QString missing = root.path() + QStringLiteral("/制作的图片");
    openFolder(missing);
    EXPECT_FALSE(QFileInfo::exists(missing));
}

}  // namespace
}  // namespace brontel
