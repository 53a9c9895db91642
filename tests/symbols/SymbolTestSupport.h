#pragma once

#include "symbols/SymbolRecord.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace quillet {

// Failures show the three texts' bytes rather than the record's memory.
inline void PrintTo(const SymbolRecord& record, std::ostream* out) {
    *out << ::testing::PrintToString(record.name) << ", " << ::testing::PrintToString(record.type)
         << ", " << ::testing::PrintToString(record.content);
}

} // namespace quillet

namespace quillet::test {

// A fresh folder per test, removed afterwards, so no test sees another's files.
class TestFolder {
public:
    TestFolder()
        : m_path(std::filesystem::temp_directory_path() /
                 ("quillet-symbols-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Records as the rows a user symbol file gives.
inline std::vector<SymbolRow> UserRows(const std::vector<SymbolRecord>& records) {
    std::vector<SymbolRow> rows;
    for (const SymbolRecord& record : records) {
        rows.push_back(SymbolRow{record, UserIcon});
    }
    return rows;
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace quillet::test
