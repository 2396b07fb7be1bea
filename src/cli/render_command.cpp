#include "cli/render_command.h"

#include <QDir>
#include <optional>
#include <string>

#include "cli/design_reader.h"
#include "cli/design_writer.h"
#include "cli/image_files.h"
#include "cli/state_images.h"

namespace brontel {
namespace {

constexpr const char* kUsage =
    "usage: brontel-render DESIGN.json -o OUTDIR\n"
    "       brontel-render --defaults\n"
    "\n"
    "Draws the four state images of the button in DESIGN.json and writes them into OUTDIR\n"
    "as 24-bit BMP files: 按钮_正常图片.bmp, 按钮_点燃图片.bmp, 按钮_按下图片.bmp and\n"
    "按钮_禁止图片.bmp. OUTDIR is created when missing; each file is replaced atomically.\n"
    "--defaults prints the design of a freshly started program.\n"
    "\n"
    "Exit status: 0 done, 1 an image could not be drawn or written, 2 bad arguments,\n"
    "design file or output folder.\n";

struct Invocation {
    enum class Kind { Render, Defaults, Help } kind = Kind::Render;
    QString designPath;
    QString outputFolder;
};

// The invocation, or nothing with `problem` saying why the arguments do not make one.
std::optional<Invocation> parseArguments(const QStringList& arguments, std::string& problem) {
    if (arguments == QStringList{"--help"} || arguments == QStringList{"-h"}) {
        return Invocation{Invocation::Kind::Help, {}, {}};
    }
    if (arguments == QStringList{"--defaults"})
        return Invocation{Invocation::Kind::Defaults, {}, {}};
    Invocation invocation;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool repeated = argument == "-o" ? !invocation.outputFolder.isEmpty()
                                               : !invocation.designPath.isEmpty();
        if (repeated || (argument.startsWith('-') && argument != "-o")) {
            problem = "unexpected argument \"" + argument.toStdString() + "\"";
            return std::nullopt;
        }
        if (argument != "-o") {
            invocation.designPath = argument;
        } else if (i + 1 < arguments.size()) {
            invocation.outputFolder = arguments[++i];
        } else {
            problem = "-o needs an output folder";
            return std::nullopt;
        }
    }
    if (invocation.outputFolder.isEmpty()) problem = "no output folder given (-o OUTDIR)";
    if (invocation.designPath.isEmpty()) problem = "no design file given";
    if (!problem.empty()) return std::nullopt;
    return invocation;
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
    const PerState<Bytes> images = renderStateImages(*reading.design, DesktopTheme{});
    for (ButtonState state : kButtonStates) {
        if (!images[indexOf(state)].empty()) continue;
        err << "brontel-render: out of memory drawing the " << kStateKeys[indexOf(state)]
            << " image\n";
        return kExitFailed;
    }
    if (auto problem = replaceStateImages(invocation.outputFolder, images)) {
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
