#include "symbols/UserSymbolFile.h"

#include "platform/AtomicFile.h"
#include "tests/symbols/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fs = std::filesystem;
using namespace quillet;
using quillet::test::TestFolder;
using quillet::test::WriteBytes;

namespace {

using Records = std::vector<SymbolRecord>;

struct ParseCase {
    const char* behaviour;
    std::string bytes;
    Records records;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.behaviour;
}

class ParsingUserSymbols : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParsingUserSymbols, YieldsTheRecordsInFileOrder) {
    EXPECT_EQ(ParseUserSymbols(GetParam().bytes), GetParam().records);
}

const Records kTwo{{"A", "B", "C"}, {"D", "E", "F"}};

INSTANTIATE_TEST_SUITE_P(
    UserSymbolFile, ParsingUserSymbols,
    ::testing::Values(
        ParseCase{"canonical", "A\r\nB\r\nC\r\n\r\nD\r\nE\r\nF\r\n\r\n", kTwo},
        ParseCase{"line feeds alone", "A\nB\nC\n\nD\nE\nF\n\n", kTwo},
        ParseCase{"mixed line ends", "A\nB\r\nC\n\r\nD\r\nE\nF", kTwo},
        ParseCase{"no separator", "A\r\nB\r\nC\r\nD\r\nE\r\nF\r\n", kTwo},
        ParseCase{"blank lines before and between",
                  "\r\n\r\nA\r\nB\r\nC\r\n\r\n\r\n\n\r\nD\r\nE\r\nF\r\n", kTwo},
        ParseCase{"empty file", "", {}}, ParseCase{"blank lines only", "\r\n\n\r\n", {}},
        ParseCase{"cut short after the name",
                  "A\r\nB\r\nC\r\n\r\nD\r\n",
                  {{"A", "B", "C"}, {"D", "", ""}}},
        ParseCase{"cut short after the type", "D\r\nE", {{"D", "E", ""}}},
        ParseCase{"empty type and content are kept",
                  "A\r\n\r\n\r\n\r\nD\r\nE\r\nF\r\n",
                  {{"A", "", ""}, {"D", "E", "F"}}},
        ParseCase{"a lone carriage return stays", "A\rB\r\nx\r\r\ny\r", {{"A\rB", "x\r", "y\r"}}},
        ParseCase{
            "byte 1A ends the text", "A\r\nB\r\nC\r\n\x1A\r\nD\r\nE\r\nF\r\n", {{"A", "B", "C"}}},
        ParseCase{"byte 1A inside a line cuts it",
                  "A\r\nB\r\nC\x1A"
                  "D",
                  {{"A", "B", "C"}}},
        // An empty name cannot be stored: the following lines shift by one.
        ParseCase{"empty name shifts the fields", "\r\nB\r\nC\r\n\r\n", {{"B", "C", ""}}},
        ParseCase{"raw bytes pass unchanged",
                  "\x81\r\n\xFF\r\n\xA9\x81\x7E\r\n\r\n",
                  {{"\x81", "\xFF", "\xA9\x81\x7E"}}}));

TEST(UserSymbolFile, WritesFourCrLfLinesARecord) {
    EXPECT_EQ(FormatUserSymbols({{"A", "B", "C"}}), "A\r\nB\r\nC\r\n\r\n");
    EXPECT_EQ(FormatUserSymbols({}), "");
    // A cut-short record read back writes two empty lines after its name, then the separator.
    EXPECT_EQ(FormatUserSymbols(ParseUserSymbols("D")), "D\r\n\r\n\r\n\r\n");
}

TEST(UserSymbolFile, WrittenRecordsReadBackUnchanged) {
    const Records records{{"ハート", "トランプ", "<Font Face=\"Symbol\">\xA9</Font>"},
                          {"ロゴ", "その他", "<Font Face=\"Wingdings\">\xFF</Font>"},
                          {"  ", "\r", "a\rb\r"},
                          {std::string(300000, 'n'), "t", std::string(1 << 20, 'c')},
                          {"same", "x", "1"},
                          {"same", "x", "2"}};
    EXPECT_EQ(ParseUserSymbols(FormatUserSymbols(records)), records);
}

TEST(UserSymbolFile, ALineBreakInAFieldSplitsItWhenReadBack) {
    EXPECT_EQ(ParseUserSymbols(FormatUserSymbols({{"A", "B", "C\r\nD"}})),
              (Records{{"A", "B", "C"}, {"D", "", ""}}));
}

class UserSymbolFileOnDisk : public ::testing::Test {
protected:
    TestFolder m_folder;
};

TEST_F(UserSymbolFileOnDisk, MissingFileIsCreatedEmptyWithItsFolders) {
    const fs::path path = m_folder.Path() / "data" / "quillet" / "User.mrk";
    const auto read = ReadUserSymbolFile(path);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read.Value().empty());
    EXPECT_TRUE(fs::is_regular_file(path));
    EXPECT_EQ(fs::file_size(path), 0U);
}

TEST_F(UserSymbolFileOnDisk, ReadingLeavesTheFileAsItWas) {
    const fs::path path = m_folder.Path() / "User.mrk";
    const std::string bytes = "A\nB\nC\n\n\x1A trailing";
    WriteBytes(path, bytes);
    ASSERT_TRUE(ReadUserSymbolFile(path));
    ASSERT_TRUE(ReadUserSymbolFile(path));
    EXPECT_EQ(ReadWholeFile(path).Value(), bytes);
}

TEST_F(UserSymbolFileOnDisk, WriteThenReadGivesTheSameRecords) {
    const fs::path path = m_folder.Path() / "User.mrk";
    ASSERT_TRUE(WriteUserSymbolFile(path, FormatUserSymbols(kTwo)));
    EXPECT_EQ(ReadWholeFile(path).Value(), "A\r\nB\r\nC\r\n\r\nD\r\nE\r\nF\r\n\r\n");
    EXPECT_EQ(ReadUserSymbolFile(path).Value(), kTwo);
}

TEST_F(UserSymbolFileOnDisk, AFolderThatCannotBeMadeIsAnErrorNotAnEmptyList) {
    WriteBytes(m_folder.Path() / "plain", "not a folder");
    const fs::path path = m_folder.Path() / "plain" / "User.mrk";
    const auto read = ReadUserSymbolFile(path);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.Failure().step, FileError::Step::Create);
    EXPECT_EQ(read.Failure().path, path);
    EXPECT_NE(read.Failure().errorNumber, 0);
}

TEST_F(UserSymbolFileOnDisk, AFileThatCannotBeOpenedIsAnError) {
    fs::create_directory(m_folder.Path() / "User.mrk");
    const auto read = ReadUserSymbolFile(m_folder.Path() / "User.mrk");
    ASSERT_FALSE(read);
    EXPECT_EQ(read.Failure().step, FileError::Step::Open);
}

TEST_F(UserSymbolFileOnDisk, FailedWriteKeepsTheOldFileWhole) {
    const fs::path path = m_folder.Path() / "User.mrk";
    const std::string old = FormatUserSymbols(kTwo);
    WriteBytes(path, old);
    Status written = Success();
    {
        const test::FileSizeLimit limit(8);
        written = WriteUserSymbolFile(path, FormatUserSymbols({{"X", "Y", std::string(100, 'Z')}}));
    }
    ASSERT_FALSE(written);
    EXPECT_EQ(written.Failure().path, path);
    EXPECT_EQ(ReadWholeFile(path).Value(), old);
}

TEST_F(UserSymbolFileOnDisk, LivesBesideTheProgramWhenThatFolderIsWritable) {
    const UserSymbolFolders folders{m_folder.Path() / "bin", m_folder.Path() / "data"};
    fs::create_directory(folders.programFolder);
    EXPECT_EQ(UserSymbolPath(folders), m_folder.Path() / "bin" / "User.mrk");
}

TEST_F(UserSymbolFileOnDisk, FallsBackToTheDataHomeWhenTheProgramFolderIsNotWritable) {
    const fs::path fallback = m_folder.Path() / "data" / "quillet" / "User.mrk";
    EXPECT_EQ(UserSymbolPath({m_folder.Path() / "missing", m_folder.Path() / "data"}), fallback);
    EXPECT_EQ(UserSymbolPath({fs::path(), m_folder.Path() / "data"}), fallback);
    if (::geteuid() != 0) {
        fs::create_directory(m_folder.Path() / "bin");
        fs::permissions(m_folder.Path() / "bin", fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(UserSymbolPath({m_folder.Path() / "bin", m_folder.Path() / "data"}), fallback);
        fs::permissions(m_folder.Path() / "bin", fs::perms::owner_all);
    }
}

TEST(UserSymbolFolders, ProgramFolderHoldsTheRunningExecutable) {
    const fs::path folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(fs::exists(folder / "symbols_tests"));
}

// Restores one environment variable when the test ends.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { m_old ? ::setenv(m_name, m_old->c_str(), 1) : ::unsetenv(m_name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(UserSymbolFolders, DataHomeComesFromXdgDataHomeUnlessItIsRelative) {
    const ScopedEnv home("HOME", "/home/someone");
    {
        const ScopedEnv data("XDG_DATA_HOME", "/var/tmp/data");
        EXPECT_EQ(DefaultUserSymbolFolders().dataHome, fs::path("/var/tmp/data"));
    }
    {
        const ScopedEnv data("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(DefaultUserSymbolFolders().dataHome, fs::path("/home/someone/.local/share"));
    }
    const ScopedEnv data("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(DefaultUserSymbolFolders().dataHome, fs::path("/home/someone/.local/share"));
}

} // namespace
