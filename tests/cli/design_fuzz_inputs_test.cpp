#include <gtest/gtest.h>

#include <QFile>
#include <filesystem>

#include "checked_design.h"
#include "support/scratch_folder.h"

namespace brontel {
namespace {

namespace fs = std::filesystem;

QByteArray readFile(const fs::path& path) {
    QFile file(QString::fromStdString(path.string()));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll();
}

std::vector<fs::path> filesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder)) return files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    return files;
}

// The design reader's fuzzer corpus and the inputs that once made it fail, read as the fuzzer
// reads them: each design is read or refused with a reason, and a read one survives being
// written and read back. Run under the sanitizer build, a memory fault fails the run.
TEST(DesignFuzzInputs, EveryCorpusFileAndKeptInputIsReadSafely) {
    ScratchFolder pictures;
    ASSERT_TRUE(fuzz::fillPictureFolder(pictures.path()));
    std::vector<fs::path> files = filesIn(fs::path(BRONTEL_FUZZ_CORPUS_DIR) / "design_reader");
    ASSERT_FALSE(files.empty()) << "no corpus in " << BRONTEL_FUZZ_CORPUS_DIR;
    std::ranges::copy(filesIn(fs::path(BRONTEL_FUZZ_REGRESSIONS_DIR) / "design_reader"),
                      std::back_inserter(files));
    for (const fs::path& file : files) {
        const QByteArray json = readFile(file);
        // The fuzzer never reads a design naming pictures outside its folder; neither do we.
        if (!fuzz::picturesStayInFolder(json)) continue;
        EXPECT_EQ(fuzz::designReadingFault(json, pictures.path()), "") << file;
    }
}

}  // namespace
}  // namespace brontel
