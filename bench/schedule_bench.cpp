#include <benchmark/benchmark.h>

#include <malloc.h>

#include <QLocale>

#include "locale_regional_settings.h"
#include "recording_view.h"
#include "regional_settings_guard.h"
#include "schedule.h"

namespace {

// The schedule for 100000 at 6 % under one locale, the entries typed as that locale writes them.
void BM_Schedule(benchmark::State& state, const char* localeName, double years) {
    const QLocale locale(localeName);
    const orvanta::RegionalSettingsGuard guard(orvanta::regionalSettingsFor(locale));
    const auto typed = [&locale](double value) {
        return locale.toString(value, 'f', QLocale::FloatingPointShortest).toStdString();
    };
    const std::string amount = typed(100000);
    const std::string rate = typed(6);
    const std::string terms = typed(years);
    std::size_t rows = 0;
    for (auto _ : state) {
        orvanta::RecordingView view;
        orvanta::CalculateSchedule(amount, rate, terms, view);
        rows = view.items.size();
        benchmark::DoNotOptimize(view.items.data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["per_month"] = benchmark::Counter(
        static_cast<double>(rows - 2), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

constexpr double longestTerm = 2730.58333333333;  // 32767 months

}  // namespace

BENCHMARK_CAPTURE(BM_Schedule, months_360, "en_US", 30.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Schedule, months_32767, "en_US", longestTerm)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Schedule, months_32767_de_DE, "de_DE", longestTerm)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Schedule, months_32767_en_IN, "en_IN", longestTerm)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Schedule, months_32767_ar_EG, "ar_EG", longestTerm)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Keep freed rows in the process: otherwise glibc hands them back to the kernel between
    // iterations, and what one benchmark pays in page faults depends on which ran before it.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
