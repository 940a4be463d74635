// The main of the benchmarks that show widgets: on Qt's offscreen platform unless another one is
// chosen, with the program's fonts.
#include <benchmark/benchmark.h>

#include "services/fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) {});  // offscreen warns on every raise()
    orvanta::useOrvantaFonts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
