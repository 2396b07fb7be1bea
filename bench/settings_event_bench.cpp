#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "model/initial_styles.h"
#include "model/shared_settings.h"
#include "render/desktop_theme.h"
#include "render/face_painter.h"
#include "ui/chooser_dialogs.h"
#include "ui/colour_picker.h"
#include "ui/combo_box.h"
#include "ui/edit_box.h"
#include "ui/face_board.h"
#include "ui/face_widget.h"
#include "ui/group_box.h"
#include "ui/main_window.h"
#include "ui/settings_handlers.h"
#include "ui/settings_page.h"
#include "ui/shared_group.h"

// From a settings event to the face's pixels being ready: the handler, then the paint of
// the one face it changed, beside rendering that face alone, measured in the same run.
namespace brontel {
namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;

// The choosers never open here.
class NoDialogs : public ChooserDialogs {
public:
    std::optional<FontSpec> chooseFont(const FontChooser&) override { return std::nullopt; }
    std::optional<QString> choosePictureFile(const PictureFileChooser&) override {
        return std::nullopt;
    }
};

// The window as the program wires it, shown, with a top-to-bottom gradient on the Hot face.
class WiredWindow {
public:
    WiredWindow() {
        connectSettingsHandlers(window, shared, dialogs);
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        hotPage().gradientMode->chooseIndex(1);
        QApplication::processEvents();
    }

    const SettingsPage& hotPage() const { return window.settingsPage(ButtonState::Hot); }
    FaceWidget& hotFace() const { return window.board().face(ButtonState::Hot); }

    SharedSettings shared;
    NoDialogs dialogs;
    MainWindow window;
};

WiredWindow& wiredWindow() {
    static WiredWindow wired;
    return wired;
}

// Baseline: the Hot face's gradient and caption rendered into a new image, no widget.
void BM_RenderGradientFaceAlone(benchmark::State& state) {
    Face face{wiredWindow().hotFace().style(), {}};
    const DesktopTheme theme = DesktopTheme::fromPalette(wiredWindow().hotFace().palette());
    for (auto _ : state) {
        benchmark::DoNotOptimize(renderFace(face, QSize(270, 220), theme));
    }
}
BENCHMARK(BM_RenderGradientFaceAlone)->Unit(benchmark::kMicrosecond);

// A gradient colour picked on the Hot page, then the Hot face painted.
void BM_GradientColourPickedToPixels(benchmark::State& state) {
    WiredWindow& wired = wiredWindow();
    ColourPicker& picker = *wired.hotPage().gradientColours[0];
    bool red = false;
    for (auto _ : state) {
        picker.pickColour((red = !red) ? kRed : kBlue);
        wired.hotFace().repaint();
    }
}
BENCHMARK(BM_GradientColourPickedToPixels)->Unit(benchmark::kMicrosecond);

// A keystroke in the Hot page's frame width field with the gradient frame on, then the
// face painted.
void BM_FrameWidthKeystrokeToPixels(benchmark::State& state) {
    WiredWindow& wired = wiredWindow();
    wired.hotPage().border->chooseIndex(6);
    EditBox& width = *wired.hotPage().frameWidth;
    bool wide = false;
    for (auto _ : state) {
        width.setContent((wide = !wide) ? QStringLiteral("12") : QStringLiteral("7"));
        wired.hotFace().repaint();
    }
    wired.hotPage().border->chooseIndex(0);
}
BENCHMARK(BM_FrameWidthKeystrokeToPixels)->Unit(benchmark::kMicrosecond);

// A keystroke in the shared height field: nine controls resized, pending events run twice,
// and all four faces and canvases repainted at their new height.
void BM_SharedHeightKeystrokeToPixels(benchmark::State& state) {
    WiredWindow& wired = wiredWindow();
    EditBox& height = *wired.window.sharedGroup().heightField;
    bool tall = false;
    for (auto _ : state) {
        height.setContent((tall = !tall) ? QStringLiteral("220") : QStringLiteral("200"));
        wired.window.board().group().repaint();
    }
}
BENCHMARK(BM_SharedHeightKeystrokeToPixels)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace brontel
