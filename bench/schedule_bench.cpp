#include <benchmark/benchmark.h>

#include "recording_view.h"
#include "schedule.h"
#include "text_to_number.h"

#include <string>

namespace {

void BM_Schedule(benchmark::State& state, const char* terms) {
    std::size_t rows = 0;
    for (auto _ : state) {
        orvanta::RecordingView view;
        orvanta::CalculateSchedule("100000", "6", terms, view);
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

}  // namespace

BENCHMARK_CAPTURE(BM_Schedule, months_360, "30")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Schedule, months_32767, "2730.58333333333")->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_ReadEntryOnce, amount, "", "100000")->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20);
BENCHMARK_CAPTURE(BM_ReadEntryOnce, rate, "6.", "")->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20);
BENCHMARK_CAPTURE(BM_ReadEntryOnce, terms, "2730.58333333333", "")->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20);
BENCHMARK(BM_ScheduleWithLongRate)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond);
