// Feeds any bytes to the design reader as the text of a design file. A design names picture
// files that the reader opens, so only designs whose picture names are plain file names are
// read, from the fuzzer's own folder: no input reaches a device, a pipe or a file elsewhere.
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "checked_design.h"

namespace {

QString pictureFolder() {
    static const QTemporaryDir folder;
    static const bool filled = brontel::fuzz::fillPictureFolder(folder.path());
    if (!filled) std::abort();
    return folder.path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!brontel::fuzz::picturesStayInFolder(json)) return -1;  // kept out of the corpus
    const std::string fault = brontel::fuzz::designReadingFault(json, pictureFolder());
    if (fault.empty()) return 0;
    std::fprintf(stderr, "design reader: %s\n", fault.c_str());
    std::abort();
}
