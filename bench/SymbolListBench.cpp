// Loading a large user symbol file into the symbol list and sorting it by each column.
#include "BenchStatistics.h"
#include "BenchSymbolFile.h"
#include "symbols/SymbolFilter.h"
#include "symbols/SymbolListModel.h"
#include "symbols/UserSymbolFile.h"

#include <benchmark/benchmark.h>

namespace {

using quillet::SymbolListModel;

const quillet::bench::BenchSymbolFile& File() {
    static const quillet::bench::BenchSymbolFile file(quillet::bench::kBenchRecords);
    return file;
}

const std::string& UserLabel() {
    static const std::string label = quillet::FilterLabel(quillet::SymbolFilter::User);
    return label;
}

void BM_LoadUserSymbolsIntoList(benchmark::State& state) {
    SymbolListModel model(File().Path());
    for (auto _ : state) {
        const auto update = model.RebuildSymbolList(UserLabel());
        benchmark::DoNotOptimize(update.commands);
    }
    state.counters["rows"] = model.RowCount();
}
BENCHMARK(BM_LoadUserSymbolsIntoList)
    ->Repetitions(5)
    ->ComputeStatistics("min", quillet::bench::Min)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The list as the user leaves it: loaded, the filter changed away and back, one symbol added;
// then sorted in place, from the order another column's sort left it in.
void BM_SortByColumn(benchmark::State& state) {
    const int column = static_cast<int>(state.range(0));
    SymbolListModel model(File().Path());
    model.RebuildSymbolList(UserLabel());
    model.ChangeFilter(quillet::FilterLabel(quillet::SymbolFilter::All));
    model.ChangeFilter(UserLabel());
    model.Add(UserLabel(), quillet::SymbolRecord{"\x83\x41", "\x83\x41", "<b>x</b>"});
    model.SelectRow(model.RowCount() / 2, UserLabel());
    for (auto _ : state) {
        state.PauseTiming();
        model.SortByColumn((column + 1) % quillet::kSymbolColumnCount);
        state.ResumeTiming();
        const auto update = model.SortByColumn(column);
        benchmark::DoNotOptimize(update.selection);
    }
}
BENCHMARK(BM_SortByColumn)
    ->ArgName("column")
    ->Arg(quillet::NameColumn)
    ->Arg(quillet::TypeColumn)
    ->Arg(quillet::ContentColumn)
    ->Repetitions(5)
    ->ComputeStatistics("min", quillet::bench::Min)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace
