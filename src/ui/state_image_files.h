#pragma once

#include <QString>
#include <vector>

#include "model/button_state.h"
#include "model/bytes.h"

namespace brontel {

// One image that could not be written, with the reason in the user's words.
struct ImageWriteFailure {
    QString fileName;
    QString reason;
};

// Writes the four images byte for byte into the folder, overwriting files of the same name;
// an empty image gives an empty file. Each file is replaced whole or not at all, so a full
// disk or a crash never leaves a cut-off image where the previous one stood. Returns the
// images that could not be written, in state order.
std::vector<ImageWriteFailure> writeStateImages(const PerState<Bytes>& images,
                                                const QString& folder);

// The note that tells the user which images were not written and why.
QString imageWriteFailureMessage(const std::vector<ImageWriteFailure>& failures);

}  // namespace brontel
