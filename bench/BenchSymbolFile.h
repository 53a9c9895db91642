#pragma once

// A large User.mrk for the benchmarks: random katakana names, a few types, one-glyph contents.
#include "symbols/UserSymbolFile.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace quillet::bench {

inline constexpr int kBenchRecords = 100000;

// A katakana character: lead byte 83, trail 40 to 96.
inline void AppendKatakana(std::string& text, std::mt19937& random) {
    text += '\x83';
    text += static_cast<char>(0x40 + random() % 0x57);
}

inline std::string MakeUserSymbolText(int records) {
    std::mt19937 random(42);
    std::vector<SymbolRow> rows;
    rows.reserve(static_cast<std::size_t>(records));
    for (int i = 0; i < records; ++i) {
        SymbolRecord record;
        for (int n = 2 + static_cast<int>(random() % 5); n > 0; --n) {
            AppendKatakana(record.name, random);
        }
        record.name += std::to_string(random() % 1000);
        AppendKatakana(record.type, random);
        record.type += static_cast<char>('A' + random() % 8);
        record.content = "<Font Face=\"Wingdings\">";
        record.content += static_cast<char>(0x21 + random() % 0x5E);
        record.content += "</Font>";
        rows.push_back(SymbolRow{std::move(record), UserIcon});
    }
    return FormatUserSymbols(rows);
}

// A folder holding a User.mrk of `records` records, removed with the object.
class BenchSymbolFile {
public:
    explicit BenchSymbolFile(int records) {
        namespace fs = std::filesystem;
        m_folder = fs::temp_directory_path() /
                   ("quillet-bench-" + std::to_string(::getpid()) + "-" + std::to_string(records));
        fs::create_directories(m_folder);
        const std::string text = MakeUserSymbolText(records);
        std::ofstream(Path(), std::ios::binary)
            .write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    ~BenchSymbolFile() {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    BenchSymbolFile(const BenchSymbolFile&) = delete;
    BenchSymbolFile& operator=(const BenchSymbolFile&) = delete;

    std::filesystem::path Path() const { return m_folder / "User.mrk"; }

private:
    std::filesystem::path m_folder;
};

} // namespace quillet::bench
