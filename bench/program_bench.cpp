// The program as a user meets it, on Qt's offscreen platform unless another one is chosen:
// "Next >" until the result window is painted, for 30 years and for the longest schedule
// (32,767 months), also with one entry pasted a thousand to ten million characters long, and until
// the message when that long entry is no number. Start-up is timed on the real process by
// bench/start_up_bench.py.
#include <benchmark/benchmark.h>

#include "app/orvanta_application.h"
#include "calc/text_to_number.h"
#include "controls/schedule_grid.h"
#include "controls/text_box.h"
#include "services/entry_text.h"
#include "services/message_box.h"
#include "services/program_end.h"
#include "windows/frm_main.h"
#include "windows/frm_output.h"
#include "windows/frm_splash.h"
#include "windows/start_up.h"

#include <QPushButton>

#include <string>

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

// From the click on "Next >" to the painted result window, or to the message about invalid entries:
// validation, the schedule, the grid.
void BM_NextToPaintedResult(benchmark::State& state, const std::string& amount, const std::string& rate,
                            const std::string& terms) {
    Program program;
    int messages = 0;
    setMessageBoxResponder([&messages](const MessageBoxRequest&) {
        ++messages;
        return MsgBoxAnswer::Ok;
    });
    Window::setModalResponder([](Window& splash) { static_cast<frmSplash&>(splash).Frame1_Click(); });
    Main();
    frmMain& entry = windowInstance<frmMain>();
    entry.txtAmount->setText(QString::fromStdString(amount));
    entry.txtRate->setText(QString::fromStdString(rate));
    entry.txtTerms->setText(QString::fromStdString(terms));
    for (auto _ : state) {
        // As a mouse press does, the button takes the focus from the box the entry was pasted into.
        entry.cmdCalculate->setFocus(Qt::MouseFocusReason);
        entry.cmdCalculate->click();
        if (isLoaded<frmOutput>()) benchmark::DoNotOptimize(windowInstance<frmOutput>().grab());

        state.PauseTiming();
        if (isLoaded<frmOutput>()) {
            state.counters["rows"] = windowInstance<frmOutput>().FGrid->Rows();
            windowInstance<frmOutput>().cmdBack->click();
            discardUnloaded();
        }
        entry.txtAmount->setFocus();
        state.ResumeTiming();
    }
    state.counters["messages"] = benchmark::Counter(messages, benchmark::Counter::kAvgIterations);
    setMessageBoxResponder([](const MessageBoxRequest&) { return MsgBoxAnswer::Yes; });
    leave();
    Window::setModalResponder({});
}

// One read of an entry as "Next >" reads it: out of the box into UTF-8, then as a number. Each long
// entry's bound is 1.5 times the short loan plus this.
void BM_ReadEntryFromBox(benchmark::State& state, const std::string& entry) {
    const QString text = QString::fromStdString(entry);
    for (auto _ : state) benchmark::DoNotOptimize(isNumeric(EntryText(text).view()));
}

const std::string longestTerms = "2730.58333333333";  // 32,767 months

// The longest schedule with one entry pasted `length` characters long: zeros that leave the value
// alone, before the amount and after the decimals of the rate and the terms. Ending in `tail`.
void registerLongEntries(const char* tail) {
    const std::string end = tail;
    for (const auto& [size, length] : {std::pair{"1KiB", 1 << 10}, {"1MiB", 1 << 20}, {"10MiB", 10 << 20}}) {
        const auto name = [&](const char* box) {
            return std::string("BM_NextToPaintedResult/") + box + "_" + size + (end.empty() ? "" : "_no_number");
        };
        const auto zeros = [&](const std::string& text) { return std::string(length - text.size(), '0'); };
        const std::string amount = zeros("100000" + end) + "100000" + end;
        const std::string rate = "6." + zeros("6." + end) + end;
        const std::string terms = longestTerms + zeros(longestTerms + end) + end;
        benchmark::RegisterBenchmark(name("amount").c_str(), BM_NextToPaintedResult, amount, "6", longestTerms)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(name("rate").c_str(), BM_NextToPaintedResult, "100000", rate, longestTerms)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(name("terms").c_str(), BM_NextToPaintedResult, "100000", "6", terms)
            ->Unit(benchmark::kMillisecond);
        if (!end.empty()) continue;
        for (const auto& [box, entry] : {std::pair{"amount", amount}, {"rate", rate}, {"terms", terms}}) {
            const std::string read = std::string("BM_ReadEntryFromBox/") + box + "_" + size;
            benchmark::RegisterBenchmark(read.c_str(), BM_ReadEntryFromBox, entry)->Unit(benchmark::kMillisecond);
        }
    }
}

}  // namespace

BENCHMARK_CAPTURE(BM_NextToPaintedResult, months_360, "100000", "6", "30")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NextToPaintedResult, months_32767, "100000", "6", longestTerms)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NextToPaintedResult, months_32767_no_number, "100000", "6x", longestTerms)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    registerLongEntries("");
    registerLongEntries("x");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
