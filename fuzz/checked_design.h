#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QString>
#include <string>

#include "cli/design_reader.h"
#include "cli/design_writer.h"

namespace brontel::fuzz {

// Whether every "picture" anywhere in the value is empty or a plain file name, which the
// reader can only find inside the folder it is given.
inline bool picturesStayInFolder(const QJsonValue& value) {
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]*$"));
    if (value.isArray()) {
        for (const QJsonValue& item : value.toArray())
            if (!picturesStayInFolder(item)) return false;
    }
    if (!value.isObject()) return true;
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QString name = it.value().toString();
        if (it.key() == QLatin1String("picture") && !name.isEmpty() &&
            (!plainName.match(name).hasMatch() || name.contains(QLatin1String(".."))))
            return false;
        if (!picturesStayInFolder(it.value())) return false;
    }
    return true;
}

// Whether reading the design text can open no file outside the folder it is read from.
inline bool picturesStayInFolder(const QByteArray& json) {
    const QJsonDocument document = QJsonDocument::fromJson(json);
    return picturesStayInFolder(document.isArray() ? QJsonValue(document.array())
                                                   : QJsonValue(document.object()));
}

// Puts the files a design may name as pictures into `folder`: readable pictures and one file
// that is none. True when all were written.
inline bool fillPictureFolder(const QString& folder) {
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QFile text(folder + QStringLiteral("/notes.txt"));
    return image.save(folder + QStringLiteral("/face.bmp"), "BMP") &&
           image.save(folder + QStringLiteral("/face.png"), "PNG") &&
           text.open(QIODevice::WriteOnly) && text.write("not a picture") > 0;
}

// What is wrong with reading the design text from `folder`; empty when nothing is. A design
// is read or refused with a reason, never both or neither, and what the writer makes of a
// read design reads back as the same design: the same text once written again, and the
// same picture bytes.
inline std::string designReadingFault(const QByteArray& json, const QString& folder) {
    const DesignReading reading = parseDesign(json, "d.json", folder);
    if (reading.design.has_value() == !reading.error.empty())
        return "read and refused at once, or neither: \"" + reading.error + "\"";
    if (!reading.design) return {};
    const std::string written = writeDesign(*reading.design);
    const DesignReading again = parseDesign(QByteArray::fromStdString(written), "w.json", folder);
    if (!again.design) return "the written design is refused: " + again.error;
    if (writeDesign(*again.design) != written) return "the written design reads back differently";
    for (std::size_t i = 0; i < again.design->states.size(); ++i) {
        if (again.design->states[i].face.picture() != reading.design->states[i].face.picture())
            return "the written design reads back with other picture bytes";
    }
    return {};
}

}  // namespace brontel::fuzz
