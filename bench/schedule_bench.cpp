#include <benchmark/benchmark.h>

#include <malloc.h>

#include <QLocale>

#include "calc/schedule.h"
#include "calc/text_to_number.h"
#include "recording_view.h"
#include "regional_settings_guard.h"
#include "services/locale_regional_settings.h"

#include <string>

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

// An entry pasted `length` characters long: zeros that leave its value alone between start and end.
std::string padded(const std::string& start, const std::string& end, std::int64_t length) {
    return start + std::string(static_cast<std::size_t>(length) - start.size() - end.size(), '0') + end;
}

// One read of such an entry, as program_bench pastes it.
void BM_ReadEntryOnce(benchmark::State& state, const std::string& start, const std::string& end) {
    const std::string text = padded(start, end, state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(orvanta::textToDouble(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

// The longest schedule with the rate pasted long: the rate is read once, not once a month.
void BM_ScheduleWithLongRate(benchmark::State& state) {
    const std::string rate = padded("6.", "", state.range(0));
    for (auto _ : state) {
        orvanta::RecordingView view;
        orvanta::CalculateSchedule("100000", rate, "2730.58333333333", view);
        benchmark::DoNotOptimize(view.items.data());
    }
}

constexpr double longestTerm = 2730.58333333333;  // 32767 months

}  // namespace

BENCHMARK_CAPTURE(BM_Schedule, months_360, "en_US", 30.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Schedule, months_32767, "en_US", longestTerm)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Schedule, months_32767_de_DE, "de_DE", longestTerm)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Schedule, months_32767_en_IN, "en_IN", longestTerm)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Schedule, months_32767_ar_EG, "ar_EG", longestTerm)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_ReadEntryOnce, amount, "", "100000")->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20);
BENCHMARK_CAPTURE(BM_ReadEntryOnce, rate, "6.", "")->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20);
BENCHMARK_CAPTURE(BM_ReadEntryOnce, terms, "2730.58333333333", "")->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20);
BENCHMARK(BM_ScheduleWithLongRate)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // Keep freed rows in the process: otherwise glibc hands them back to the kernel between
    // iterations, and what one benchmark pays in page faults depends on which ran before it.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
