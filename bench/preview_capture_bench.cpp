#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>

#include "export/bmp_encoder.h"
#include "model/shared_settings.h"
#include "render/desktop_theme.h"
#include "render/face_painter.h"
#include "ui/face_board.h"
#include "ui/face_widget.h"
#include "ui/main_window.h"
#include "ui/preview_command.h"

// What "预览导出" does between its click and its dialog: the four 270 x 220 cells captured
// and encoded, beside rendering the four faces alone and encoding four ready images, measured
// in the same run.
namespace brontel {
namespace {

// The initial window, shown, at the largest cell size. With rounded corners, as the corner
// field gives them, each cell needs its canvas as well as its face.
class ShownWindow {
public:
    explicit ShownWindow(int cornerDiameter) {
        if (cornerDiameter > 0) {
            for (ButtonState state : kButtonStates)
                board().face(state).setRoundedRegion(270, 220, cornerDiameter);
        }
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        QApplication::processEvents();
    }

    const FaceBoard& board() const { return window.board(); }

    MainWindow window;
};

ShownWindow& shownWindow(int cornerDiameter) {
    static ShownWindow square(0);
    static ShownWindow rounded(40);
    return cornerDiameter > 0 ? rounded : square;
}

// Baseline: the four faces rendered into new images, no canvas, no encoding.
void BM_RenderFourFacesAlone(benchmark::State& state) {
    const FaceBoard& board = shownWindow(0).board();
    PerState<Face> faces;
    for (ButtonState s : kButtonStates) faces[indexOf(s)] = Face{board.face(s).style(), {}};
    const DesktopTheme theme = DesktopTheme::fromPalette(board.face(ButtonState::Normal).palette());
    for (auto _ : state) {
        for (Face& face : faces) benchmark::DoNotOptimize(renderFace(face, QSize(270, 220), theme));
    }
}
BENCHMARK(BM_RenderFourFacesAlone)->Unit(benchmark::kMicrosecond);

// Baseline: four ready 270 x 220 cells encoded as BMP files.
void BM_EncodeFourReadyCells(benchmark::State& state) {
    PerState<QImage> cells;
    for (ButtonState s : kButtonStates) cells[indexOf(s)] = captureCell(shownWindow(0).board(), s);
    for (auto _ : state) {
        for (const QImage& cell : cells) benchmark::DoNotOptimize(encodeBmp(cell));
    }
}
BENCHMARK(BM_EncodeFourReadyCells)->Unit(benchmark::kMicrosecond);

// The capture with square corners (arg 0): each cell is its face alone; with corners of 40
// each cell is its face over its canvas.
void BM_CaptureFourCells(benchmark::State& state) {
    const ShownWindow& shown = shownWindow(static_cast<int>(state.range(0)));
    SharedSettings shared;
    for (auto _ : state) {
        captureStateImages(shown.board(), shared);
        benchmark::DoNotOptimize(shared.stateImages);
    }
}
BENCHMARK(BM_CaptureFourCells)->Arg(0)->Arg(40)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace brontel
