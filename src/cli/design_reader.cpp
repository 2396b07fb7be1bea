#include "cli/design_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <algorithm>
#include <cmath>
#include <limits>
#include <variant>

#include "cli/colour_text.h"
#include "render/decoded_picture.h"

namespace brontel {
namespace {

struct DesignError {
    std::string message;
};

// What every reading function needs: the file's name for messages, the folder pictures are
// found from, and where warnings go.
struct Context {
    std::string fileName;
    QDir folder;
    std::vector<std::string>* warnings;

    std::string where(const std::string& field) const {
        return fileName + ": " + (field.empty() ? "top level" : "field \"" + field + "\"");
    }
    [[noreturn]] void fail(const std::string& field, const std::string& what) const {
        throw DesignError{where(field) + ": " + what};
    }
};

std::string member(const std::string& parent, const QString& key) {
    return parent.empty() ? key.toStdString() : parent + "." + key.toStdString();
}

const char* typeName(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::Null:
            return "null";
        case QJsonValue::Bool:
            return "a boolean";
        case QJsonValue::Double:
            return "a number";
        case QJsonValue::String:
            return "a string";
        case QJsonValue::Array:
            return "an array";
        case QJsonValue::Object:
            return "an object";
        default:
            return "nothing";
    }
}

void expectType(const Context& ctx, const std::string& field, const QJsonValue& value,
                QJsonValue::Type type, const char* expected) {
    if (value.type() != type) {
        ctx.fail(field, std::string("expected ") + expected + ", found " + typeName(value));
    }
}

// Whole numbers beyond the 32-bit range are held at its ends; each field then holds the
// value to its own domain.
int readInteger(const Context& ctx, const std::string& field, const QJsonValue& value) {
    const double number = value.toDouble();
    if (!value.isDouble() || !std::isfinite(number) || std::trunc(number) != number) {
        ctx.fail(field, std::string("expected an integer, found ") +
                            (value.isDouble() ? "a fraction" : typeName(value)));
    }
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(number, low, high));
}

bool readBoolean(const Context& ctx, const std::string& field, const QJsonValue& value) {
    expectType(ctx, field, value, QJsonValue::Bool, "a boolean");
    return value.toBool();
}

std::string readText(const Context& ctx, const std::string& field, const QJsonValue& value) {
    expectType(ctx, field, value, QJsonValue::String, "a string");
    return value.toString().toStdString();
}

Colour readColour(const Context& ctx, const std::string& field, const QJsonValue& value) {
    const std::string text = readText(ctx, field, value);
    const auto colour = parseColourText(text);
    if (!colour) ctx.fail(field, "\"" + text + "\" is not a colour; write \"#RRGGBB\" or \"none\"");
    return *colour;
}

QJsonObject readObject(const Context& ctx, const std::string& field, const QJsonValue& value) {
    expectType(ctx, field, value, QJsonValue::Object, "an object");
    return value.toObject();
}

void readFontField(const Context& ctx, const std::string& field, const QString& key,
                   const QJsonValue& value, FontSpec& font) {
    if (key == "name") {
        font.name = readText(ctx, field, value);
    } else if (key == "size") {
        font.size = readInteger(ctx, field, value);
    } else if (key == "angle") {
        font.angle = readInteger(ctx, field, value);
    } else if (key == "bold") {
        font.bold = readBoolean(ctx, field, value);
    } else if (key == "italic") {
        font.italic = readBoolean(ctx, field, value);
    } else if (key == "underline") {
        font.underline = readBoolean(ctx, field, value);
    } else if (key == "strikeout") {
        font.strikeout = readBoolean(ctx, field, value);
    } else {
        ctx.fail(field, "unknown field");
    }
}

std::optional<FontSpec> readFont(const Context& ctx, const std::string& field,
                                 const QJsonValue& value) {
    if (value.isNull()) return std::nullopt;
    const QJsonObject object = readObject(ctx, field, value);
    FontSpec font;
    for (auto it = object.begin(); it != object.end(); ++it) {
        readFontField(ctx, member(field, it.key()), it.key(), it.value(), font);
    }
    return font;
}

// Why the bytes give no picture; empty when they do. A face forgets such bytes at its first
// paint, so the cells are drawn without them, as the program would export them.
std::string pictureProblem(const Bytes& bytes) {
    const PictureResult result = brontel::readPicture(bytes);
    if (std::holds_alternative<DecodedPicture>(result)) return {};
    switch (std::get<PictureError>(result)) {
        case PictureError::Unrecognised:
            return "not a picture format brontel reads";
        case PictureError::Malformed:
            return "the picture is damaged";
        case PictureError::Unsupported:
            return "a kind of picture brontel does not read";
        case PictureError::TooLarge:
            return "the picture is too large";
    }
    return {};
}

// Up to `limit` bytes of the file, read as they come: asking for the whole limit at once
// would reserve that much memory for every file, however small.
QByteArray readAtMost(QFile& file, qint64 limit) {
    constexpr qint64 kChunk = qint64{1} << 16;
    QByteArray bytes;
    while (bytes.size() < limit) {
        const QByteArray chunk = file.read(std::min(kChunk, limit - bytes.size()));
        if (chunk.isEmpty()) break;
        bytes += chunk;
    }
    return bytes;
}

// The whole file, or why not. Files of any kind are read only up to the limit, so a device
// or a pipe named as a picture cannot exhaust memory.
std::optional<Bytes> readPictureFile(const QString& path, std::string& problem) {
    if (QFileInfo(path).isDir()) {
        problem = "it is a folder";
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString().toStdString();
        return std::nullopt;
    }
    const QByteArray bytes = readAtMost(file, kPictureFileLimit + 1);
    if (file.error() != QFileDevice::NoError) problem = file.errorString().toStdString();
    if (bytes.size() > kPictureFileLimit) problem = "larger than 64 MiB";
    if (!problem.empty()) return std::nullopt;
    Bytes picture(bytes.begin(), bytes.end());
    problem = pictureProblem(picture);
    if (!problem.empty()) return std::nullopt;
    return picture;
}

void readPicture(const Context& ctx, const std::string& field, const QJsonValue& value,
                 StateDesign& state) {
    state.picturePath = readText(ctx, field, value);
    if (state.picturePath.empty()) return;  // no picture: the state's style has none
    const QString path = ctx.folder.filePath(QString::fromStdString(state.picturePath));
    std::string problem;
    auto bytes = readPictureFile(path, problem);
    if (!bytes) {
        ctx.warnings->push_back(ctx.where(field) + ": cannot read picture \"" + path.toStdString() +
                                "\": " + problem + "; drawn without it");
    }
    state.face.setPicture(bytes ? std::move(*bytes) : Bytes{});
}

struct IntegerField {
    const char* name;
    void (FaceStyle::*set)(int);
};

constexpr IntegerField kIntegerFields[] = {
    {"textEffect", &FaceStyle::setTextEffect},
    {"border", &FaceStyle::setBorder},
    {"frameWidth", &FaceStyle::setFrameWidth},
    {"pictureMode", &FaceStyle::setPictureMode},
    {"gradientMode", &FaceStyle::setGradientMode},
    {"hAlign", &FaceStyle::setHAlign},
    {"vAlign", &FaceStyle::setVAlign},
    {"wordWrap", &FaceStyle::setWordWrap},
};

struct ColourField {
    const char* name;
    void (FaceStyle::*set)(Colour);
};

constexpr ColourField kColourFields[] = {
    {"frameColour1", &FaceStyle::setFrameColour1},
    {"frameColour2", &FaceStyle::setFrameColour2},
    {"frameColour3", &FaceStyle::setFrameColour3},
    {"textColour", &FaceStyle::setTextColour},
    {"backColour", &FaceStyle::setBackColour},
    {"gradientColour1", &FaceStyle::setGradientColour1},
    {"gradientColour2", &FaceStyle::setGradientColour2},
    {"gradientColour3", &FaceStyle::setGradientColour3},
};

bool readStyleNumberOrColour(const Context& ctx, const std::string& field, const QString& key,
                             const QJsonValue& value, FaceStyle& face) {
    for (const IntegerField& f : kIntegerFields) {
        if (key == QLatin1String(f.name)) {
            (face.*f.set)(readInteger(ctx, field, value));
            return true;
        }
    }
    for (const ColourField& f : kColourFields) {
        if (key == QLatin1String(f.name)) {
            (face.*f.set)(readColour(ctx, field, value));
            return true;
        }
    }
    return false;
}

void readStateField(const Context& ctx, const std::string& field, const QString& key,
                    const QJsonValue& value, StateDesign& state) {
    if (readStyleNumberOrColour(ctx, field, key, value, state.face)) return;
    if (key == "caption") {
        state.face.setCaption(readText(ctx, field, value));
    } else if (key == "font") {
        state.face.setFont(readFont(ctx, field, value));
    } else if (key == "picture") {
        readPicture(ctx, field, value, state);
    } else if (key == "canvasColour") {
        state.canvasColour = readColour(ctx, field, value);
    } else {
        ctx.fail(field, "unknown field");
    }
}

void readState(const Context& ctx, const std::string& field, const QJsonValue& value,
               StateDesign& state) {
    const QJsonObject object = readObject(ctx, field, value);
    for (auto it = object.begin(); it != object.end(); ++it) {
        readStateField(ctx, member(field, it.key()), it.key(), it.value(), state);
    }
}

// Sizes above the board's cell are held to it, as the program's size fields hold them.
int readSize(const Context& ctx, const std::string& field, const QJsonValue& value, int limit) {
    const int size = readInteger(ctx, field, value);
    if (size < 1) ctx.fail(field, "must be at least 1, found " + std::to_string(size));
    return std::min(size, limit);
}

bool readTopLevelField(const Context& ctx, const QString& key, const QJsonValue& value,
                       Design& design) {
    const std::string field = key.toStdString();
    if (key == "width") {
        design.width = readSize(ctx, field, value, kMaxButtonWidth);
    } else if (key == "height") {
        design.height = readSize(ctx, field, value, kMaxButtonHeight);
    } else if (key == "cornerDiameter") {
        design.cornerDiameter = readInteger(ctx, field, value);
    } else {
        for (ButtonState state : kButtonStates) {
            if (key != QLatin1String(kStateKeys[indexOf(state)])) continue;
            readState(ctx, field, value, design.states[indexOf(state)]);
            return true;
        }
        return false;
    }
    return true;
}

Design readRoot(const Context& ctx, const QJsonDocument& document) {
    if (!document.isObject()) {
        ctx.fail({}, std::string("expected an object, found ") +
                         (document.isArray() ? "an array" : "a single value"));
    }
    Design design = initialDesign();
    const QJsonObject root = document.object();
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (!readTopLevelField(ctx, it.key(), it.value(), design)) {
            ctx.fail(it.key().toStdString(), "unknown field");
        }
    }
    return design;
}

// Line and column (both from 1, columns counted in characters) of a byte offset.
std::string position(const QByteArray& text, qsizetype offset) {
    const qsizetype end = std::clamp<qsizetype>(offset, 0, text.size());
    int line = 1;
    int column = 1;
    for (qsizetype i = 0; i < end; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80) {  // UTF-8 continuation bytes extend a character
            ++column;
        }
    }
    return std::to_string(line) + ":" + std::to_string(column);
}

DesignReading refused(std::string error) {
    DesignReading reading;
    reading.error = std::move(error);
    return reading;
}

}  // namespace

DesignReading parseDesign(const QByteArray& json, const QString& fileName, const QString& folder) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        return refused(fileName.toStdString() + ":" + position(json, parseError.offset) +
                       ": malformed JSON: " + parseError.errorString().toStdString());
    }
    DesignReading reading;
    const Context ctx{fileName.toStdString(), QDir(folder), &reading.warnings};
    try {
        reading.design = readRoot(ctx, document);
    } catch (const DesignError& error) {
        return refused(error.message);
    }
    return reading;
}

DesignReading readDesign(const QString& path) {
    const std::string name = path.toStdString();
    QFile file(path);
    if (QFileInfo(path).isDir()) return refused(name + ": cannot read: it is a folder");
    if (!file.open(QIODevice::ReadOnly)) {
        return refused(name + ": cannot read: " + file.errorString().toStdString());
    }
    const QByteArray json = readAtMost(file, kDesignFileLimit + 1);
    if (file.error() != QFileDevice::NoError) {
        return refused(name + ": cannot read: " + file.errorString().toStdString());
    }
    if (json.size() > kDesignFileLimit) {
        return refused(name + ": larger than 1 MiB; a design file may hold at most 1048576 bytes");
    }
    return parseDesign(json, path, QFileInfo(path).absolutePath());
}

}  // namespace brontel
