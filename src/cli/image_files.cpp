#include "cli/image_files.h"

#include <QDir>
#include <QSaveFile>
#include <memory>

namespace brontel {
namespace {

std::string failure(const QSaveFile& file) {
    return "cannot write \"" + file.fileName().toStdString() +
           "\": " + file.errorString().toStdString();
}

// Opens the file's temporary twin and fills it; the old file stays until commit.
std::optional<std::string> stage(QSaveFile& file, const Bytes& bytes) {
    if (!file.open(QIODevice::WriteOnly)) return failure(file);
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        return failure(file);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> replaceStateImages(const QString& folder, const PerState<Bytes>& images,
                                              ImageFormat format) {
    const QDir dir(folder);
    PerState<std::unique_ptr<QSaveFile>> files;
    for (ButtonState state : kButtonStates) {
        const std::size_t i = indexOf(state);
        files[i] = std::make_unique<QSaveFile>(dir.filePath(stateImageFileName(state, format)));
        if (auto problem = stage(*files[i], images[i])) return problem;
    }
    for (auto& file : files) {
        if (!file->commit()) return failure(*file);
    }
    return std::nullopt;
}

}  // namespace brontel
