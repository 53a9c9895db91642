// Loading a large user symbol file into the symbol list and sorting it by each column.
#include "symbols/SymbolFilter.h"
#include "symbols/SymbolListModel.h"
#include "symbols/UserSymbolFile.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using quillet::SymbolListModel;

constexpr int kRecords = 100000;

// A katakana character: lead byte 83, trail 40 to 96.
void AppendKatakana(std::string& text, std::mt19937& random) {
    text += '\x83';
    text += static_cast<char>(0x40 + random() % 0x57);
}

std::string MakeFileText() {
    std::mt19937 random(42);
    std::vector<quillet::SymbolRow> rows;
    rows.reserve(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        quillet::SymbolRecord record;
        for (int n = 2 + static_cast<int>(random() % 5); n > 0; --n) {
            AppendKatakana(record.name, random);
        }
        record.name += std::to_string(random() % 1000);
        AppendKatakana(record.type, random);
        record.type += static_cast<char>('A' + random() % 8);
        record.content = "<Font Face=\"Wingdings\">";
        record.content += static_cast<char>(0x21 + random() % 0x5E);
        record.content += "</Font>";
        rows.push_back(quillet::SymbolRow{std::move(record), quillet::UserIcon});
    }
    return quillet::FormatUserSymbols(rows);
}

// One User.mrk of kRecords records for the whole run, removed at exit.
class BenchFile {
public:
    BenchFile() {
        m_folder = fs::temp_directory_path() / ("quillet-bench-" + std::to_string(::getpid()));
        fs::create_directories(m_folder);
        const std::string text = MakeFileText();
        std::ofstream(Path(), std::ios::binary)
            .write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    ~BenchFile() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    fs::path Path() const { return m_folder / "User.mrk"; }

private:
    fs::path m_folder;
};

const BenchFile& File() {
    static const BenchFile file;
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
BENCHMARK(BM_LoadUserSymbolsIntoList)->Unit(benchmark::kMillisecond);

// Each sort starts from the order the list has before the user clicks: name order, or
// content order for the name column so that it has work to do.
void BM_SortByColumn(benchmark::State& state) {
    const int column = static_cast<int>(state.range(0));
    SymbolListModel loaded(File().Path());
    loaded.RebuildSymbolList(UserLabel());
    if (column == quillet::NameColumn) {
        loaded.SortByColumn(quillet::ContentColumn);
    }
    loaded.SelectRow(loaded.RowCount() / 2, UserLabel());
    SymbolListModel model = loaded;
    for (auto _ : state) {
        // The previous copy is freed here too, outside the measurement.
        state.PauseTiming();
        model = loaded;
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
    ->Unit(benchmark::kMillisecond);

} // namespace
