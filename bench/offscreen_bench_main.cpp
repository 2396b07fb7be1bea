#include <benchmark/benchmark.h>

#include <QApplication>

// The windows of the desktop program measured without a screen: a full QApplication on Qt's
// offscreen platform, shared by every case of brontel-ui-bench.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
