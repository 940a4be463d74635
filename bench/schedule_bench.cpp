#include <benchmark/benchmark.h>

#include "recording_view.h"
#include "schedule.h"

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

}  // namespace

BENCHMARK_CAPTURE(BM_Schedule, months_360, "30")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Schedule, months_32767, "2730.58333333333")->Unit(benchmark::kMillisecond);
