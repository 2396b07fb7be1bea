#include "cli/render_command.h"

#include <QDir>
#include <optional>
#include <string>

#include "cli/design_reader.h"
#include "cli/design_writer.h"
#include "cli/image_files.h"
#include "cli/scaled_design.h"
#include "cli/state_images.h"

namespace brontel {
namespace {

constexpr const char* kUsage =
    "usage: brontel-render DESIGN.json -o OUTDIR [--format bmp|png] [--scale 1|2]\n"
    "       brontel-render --defaults\n"
    "\n"
    "Draws the four state images of the button in DESIGN.json and writes them into OUTDIR\n"
    "as 24-bit BMP files: 按钮_正常图片.bmp, 按钮_点燃图片.bmp, 按钮_按下图片.bmp and\n"
    "按钮_禁止图片.bmp. OUTDIR is created when missing; each file is replaced atomically.\n"
    "--format png writes PNG files of the same names ending in .png instead: the face alone,\n"
    "its rounded corners transparent with smooth edges in place of the canvas colour.\n"
    "--scale 2 draws every image at twice the size for high-density screens: sizes, corners,\n"
    "frames, borders, captions and pictures all doubled, gradients computed at that size.\n"
    "--defaults prints the design of a freshly started program.\n"
    "\n"
    "Exit status: 0 done, 1 an image could not be drawn or written, 2 bad arguments,\n"
    "design file or output folder.\n";

struct Invocation {
    enum class Kind { Render, Defaults, Help } kind = Kind::Render;
    QString designPath;
    QString outputFolder;
    std::optional<ImageFormat> format;
    std::optional<int> scale;
};

Invocation invocationOf(Invocation::Kind kind) {
    Invocation invocation;
    invocation.kind = kind;
    return invocation;
}

struct Problem {
    std::string message;
};

// The factor written exactly as one of the accepted digits, or nothing.
std::optional<int> scaleNamed(const QString& text) {
    for (int factor = kSmallestScale; factor <= kLargestScale; ++factor) {
        if (text == QString::number(factor)) return factor;
    }
    return std::nullopt;
}

// Stores the value of an option that takes one; a repeated option is refused.
void takeOptionValue(const QString& option, const QString& value, Invocation& invocation) {
    const auto refuseRepeated = [&](bool repeated) {
        if (repeated) throw Problem{"unexpected argument \"" + option.toStdString() + "\""};
    };
    if (option == "-o") {
        refuseRepeated(!invocation.outputFolder.isEmpty());
        invocation.outputFolder = value;
    } else if (option == "--format") {
        refuseRepeated(invocation.format.has_value());
        invocation.format = imageFormatNamed(value);
        if (!invocation.format) {
            throw Problem{"--format must be bmp or png, found \"" + value.toStdString() + "\""};
        }
    } else {
        refuseRepeated(invocation.scale.has_value());
        invocation.scale = scaleNamed(value);
        if (!invocation.scale) {
            throw Problem{"--scale must be 1 or 2, found \"" + value.toStdString() + "\""};
        }
    }
}

bool takesValue(const QString& argument) {
    return argument == "-o" || argument == "--format" || argument == "--scale";
}

Invocation parseRender(const QStringList& arguments) {
    Invocation invocation;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (takesValue(argument)) {
            if (i + 1 == arguments.size()) {
                throw Problem{argument == "-o" ? "-o needs an output folder"
                                               : argument.toStdString() + " needs a value"};
            }
            takeOptionValue(argument, arguments[++i], invocation);
        } else if (argument.startsWith('-') || !invocation.designPath.isEmpty()) {
            throw Problem{"unexpected argument \"" + argument.toStdString() + "\""};
        } else {
            invocation.designPath = argument;
        }
    }
    if (invocation.designPath.isEmpty()) throw Problem{"no design file given"};
    if (invocation.outputFolder.isEmpty()) throw Problem{"no output folder given (-o OUTDIR)"};
    return invocation;
}

// The invocation, or nothing with `problem` saying why the arguments do not make one.
std::optional<Invocation> parseArguments(const QStringList& arguments, std::string& problem) {
    if (arguments == QStringList{"--help"} || arguments == QStringList{"-h"}) {
        return invocationOf(Invocation::Kind::Help);
    }
    if (arguments == QStringList{"--defaults"}) return invocationOf(Invocation::Kind::Defaults);
    try {
        return parseRender(arguments);
    } catch (const Problem& p) {
        problem = p.message;
        return std::nullopt;
    }
}

int render(const Invocation& invocation, std::ostream& err,
           const std::function<void()>& startDrawing) {
    const DesignReading reading = readDesign(invocation.designPath);
    for (const std::string& warning : reading.warnings) {
        err << "brontel-render: warning: " << warning << "\n";
    }
    if (!reading.design) {
        err << "brontel-render: " << reading.error << "\n";
        return kExitBadInput;
    }
    if (!QDir().mkpath(invocation.outputFolder)) {
        err << "brontel-render: cannot create the output folder \""
            << invocation.outputFolder.toStdString() << "\"\n";
        return kExitBadInput;
    }
    startDrawing();
    const int scale = invocation.scale.value_or(1);
    const ImageFormat format = invocation.format.value_or(ImageFormat::Bmp);
    const PerState<Bytes> images = renderStateImages(scaledDesign(*reading.design, scale),
                                                     scaledTheme(DesktopTheme{}, scale), format);
    for (ButtonState state : kButtonStates) {
        if (!images[indexOf(state)].empty()) continue;
        err << "brontel-render: out of memory drawing the " << kStateKeys[indexOf(state)]
            << " image\n";
        return kExitFailed;
    }
    if (auto problem = replaceStateImages(invocation.outputFolder, images, format)) {
        err << "brontel-render: " << *problem << "\n";
        return kExitFailed;
    }
    return kExitDone;
}

}  // namespace

int runRenderCommand(const QStringList& arguments, std::ostream& out, std::ostream& err,
                     const std::function<void()>& startDrawing) {
    std::string problem;
    const auto invocation = parseArguments(arguments, problem);
    if (!invocation) {
        err << "brontel-render: " << problem << "\n" << kUsage;
        return kExitBadInput;
    }
    switch (invocation->kind) {
        case Invocation::Kind::Help:
            out << kUsage;
            return kExitDone;
        case Invocation::Kind::Defaults:
            out << writeDesign(initialDesign());
            return kExitDone;
        case Invocation::Kind::Render:
            break;
    }
    return render(*invocation, err, startDrawing);
}

}  // namespace brontel
