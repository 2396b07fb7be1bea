#include <QGuiApplication>
#include <QLoggingCategory>
#include <QStringList>
#include <iostream>
#include <memory>

#include "cli/render_command.h"

namespace {

// Captions need fonts and painters, but the renderer must run where no display exists.
// Qt sees no arguments, so none of ours is taken as a Qt option; the notices its platform
// start-up prints (such as a missing XDG_RUNTIME_DIR) would only clutter a script's output.
std::unique_ptr<QGuiApplication> startQuietly(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLoggingCategory::setFilterRules("default.warning=false");
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    QLoggingCategory::setFilterRules(QString());
    return application;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;
    std::unique_ptr<QGuiApplication> application;
    return brontel::runRenderCommand(arguments, std::cout, std::cerr,
                                     [&] { application = startQuietly(qtArgc, argv); });
}
