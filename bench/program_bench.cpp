// The program as a user meets it, on Qt's offscreen platform unless another one is chosen:
// "Next >" until the result window is painted, for 30 years and for the longest schedule
// (32,767 months). Start-up is timed on the real process by bench/start_up_bench.py.
#include <benchmark/benchmark.h>

#include "frm_main.h"
#include "frm_output.h"
#include "frm_splash.h"
#include "message_box.h"
#include "orvanta_application.h"
#include "program_end.h"
#include "schedule_grid.h"
#include "start_up.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace orvanta;

int argCount = 1;
char programName[] = "orvanta";
char* commandLine[] = {programName, nullptr};

// The application object of the program, with the dialogs answered Yes and End kept from ending
// the benchmark.
struct Program : OrvantaApplication {
    Program() : OrvantaApplication(argCount, commandLine) {
        qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString&) {});  // offscreen warns on every raise()
        setMessageBoxResponder([](const MessageBoxRequest&) { return MsgBoxAnswer::Yes; });
        setEndHandler([](int) {});
    }
};

void discardUnloaded() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Leaves the program as a user would, with End kept from ending the benchmark.
void leave() {
    if (isLoaded<frmOutput>()) windowInstance<frmOutput>().Unload();
    windowInstance<frmMain>().Unload();
    discardUnloaded();
}

// From the click on "Next >" to the painted result window: validation, the schedule, the grid.
void BM_NextToPaintedResult(benchmark::State& state, const char* terms) {
    Program program;
    Window::setModalResponder([](Window& splash) { static_cast<frmSplash&>(splash).Frame1_Click(); });
    Main();
    frmMain& entry = windowInstance<frmMain>();
    entry.txtAmount->setText("100000");
    entry.txtRate->setText("6");
    entry.txtTerms->setText(terms);
    for (auto _ : state) {
        entry.cmdCalculate->click();
        benchmark::DoNotOptimize(windowInstance<frmOutput>().grab());

        state.PauseTiming();
        state.counters["rows"] = windowInstance<frmOutput>().FGrid->Rows();
        windowInstance<frmOutput>().cmdBack->click();
        discardUnloaded();
        state.ResumeTiming();
    }
    leave();
    Window::setModalResponder({});
}

}  // namespace

BENCHMARK_CAPTURE(BM_NextToPaintedResult, months_360, "30")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NextToPaintedResult, months_32767, "2730.58333333333")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
