// From the first row appended to the painted window, for the shortest common
// schedule (30 years, 362 rows) and the longest possible one (32,769 rows); the
// grid's filling and its first painting are timed apart as well.
// Runs on Qt's offscreen platform unless another one is chosen.
#include <benchmark/benchmark.h>

#include "calc/schedule.h"
#include "controls/schedule_grid.h"
#include "recording_view.h"
#include "windows/frm_output.h"

#include <QCoreApplication>

#include <map>
#include <string>

namespace {

const orvanta::RecordingView& schedule(const char* terms) {
    static std::map<std::string, orvanta::RecordingView> made;
    auto [entry, isNew] = made.try_emplace(terms);
    if (isNew) orvanta::CalculateSchedule("100000", "6", terms, entry->second);
    return entry->second;
}

void fill(orvanta::ScheduleView& view, const orvanta::RecordingView& recorded) {
    for (std::size_t i = 0; i < recorded.items.size(); ++i) {
        if (i == recorded.itemsWhenFixed) view.setFixedRows(recorded.fixedRows);
        view.AddItem(recorded.items[i]);
    }
}

void discardUnloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void BM_ResultWindowFillAndPaint(benchmark::State& state, const char* terms) {
    const orvanta::RecordingView& recorded = schedule(terms);
    for (auto _ : state) {
        auto& window = orvanta::windowInstance<orvanta::frmOutput>();
        fill(window, recorded);
        window.Show();
        benchmark::DoNotOptimize(window.grab());

        state.PauseTiming();
        window.Unload();
        discardUnloaded();
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(recorded.items.size());
}

// The grid alone, as the result window fills it: every row appended, then shown and painted.
void fillGrid(orvanta::ScheduleGrid& grid, const orvanta::RecordingView& recorded) {
    for (std::size_t i = 0; i < recorded.items.size(); ++i) {
        if (i == recorded.itemsWhenFixed) grid.setFixedRows(recorded.fixedRows);
        grid.AddItem(QString::fromStdString(recorded.items[i]));
    }
}

enum class Timed { FillAndPaint, Fill, Paint };

// Filling ends once the shown grid knows its rows and column widths; painting is the first paint after.
void timeGrid(benchmark::State& state, const char* terms, Timed timed) {
    const orvanta::RecordingView& recorded = schedule(terms);
    for (auto _ : state) {
        state.PauseTiming();
        auto* grid = new orvanta::ScheduleGrid;
        grid->resize(345, 193);
        if (timed != Timed::Paint) state.ResumeTiming();

        fillGrid(*grid, recorded);
        grid->show();

        if (timed == Timed::Fill) state.PauseTiming();
        if (timed == Timed::Paint) state.ResumeTiming();
        benchmark::DoNotOptimize(grid->grab());

        if (timed != Timed::Fill) state.PauseTiming();
        delete grid;
        state.ResumeTiming();
    }
}

void BM_GridFillAndPaint(benchmark::State& state, const char* terms) { timeGrid(state, terms, Timed::FillAndPaint); }
void BM_GridFill(benchmark::State& state, const char* terms) { timeGrid(state, terms, Timed::Fill); }
void BM_GridPaint(benchmark::State& state, const char* terms) { timeGrid(state, terms, Timed::Paint); }

}  // namespace

BENCHMARK_CAPTURE(BM_ResultWindowFillAndPaint, rows_362, "30")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ResultWindowFillAndPaint, rows_32769, "2730.58333333333")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GridFillAndPaint, rows_362, "30")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GridFillAndPaint, rows_32769, "2730.58333333333")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GridFill, rows_362, "30")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GridFill, rows_32769, "2730.58333333333")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GridPaint, rows_362, "30")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GridPaint, rows_32769, "2730.58333333333")->Unit(benchmark::kMillisecond);
