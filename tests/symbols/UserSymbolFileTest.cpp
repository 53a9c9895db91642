#include "symbols/UserSymbolFile.h"

#include "platform/AtomicFile.h"
#include "tests/support/FileWriteCases.h"
#include "tests/symbols/SymbolTestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace quillet;
using quillet::test::TestFolder;
using quillet::test::UserRows;
using quillet::test::WriteBytes;

namespace {

using Records = std::vector<SymbolRecord>;
const Records kTwo{{"A", "B", "C"}, {"D", "E", "F"}};

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
    EXPECT_EQ(ParseUserSymbols(GetParam().bytes), UserRows(GetParam().records));
}

INSTANTIATE_TEST_SUITE_P(
    UserSymbolFile, ParsingUserSymbols,
    ::testing::Values(
        ParseCase{"canonical", "A\r\nB\r\nC\r\n\r\nD\r\nE\r\nF\r\n\r\n", kTwo},
        ParseCase{"line feeds alone", "A\nB\nC\n\nD\nE\nF\n\n", kTwo},
        ParseCase{"no separator, no final break", "A\r\nB\r\nC\r\nD\nE\r\nF", kTwo},
        ParseCase{"blank lines first and between", "\r\n\nA\nB\nC\n\r\n\n\nD\nE\nF\n", kTwo},
        ParseCase{"empty file", "", {}},
        ParseCase{"cut short after a name", "A\nB\nC\n\nD\r\n", {{"A", "B", "C"}, {"D", "", ""}}},
        ParseCase{"empty type and content kept", "A\n\n\n\nD\nE", {{"A", "", ""}, {"D", "E", ""}}},
        ParseCase{"lone carriage returns stay", "A\rB\r\nx\r\r\ny\r", {{"A\rB", "x\r", "y\r"}}},
        ParseCase{"byte 1A ends the text", "A\nB\nC\x1A\nD\nE\nF\n", {{"A", "B", "C"}}},
        // An empty name cannot be stored: the following lines shift by one.
        ParseCase{"empty name shifts the fields", "\r\nB\r\nC\r\n\r\n", {{"B", "C", ""}}}));

TEST(UserSymbolFile, WritesFourCrLfLinesARecordAndReadsThemBackUnchanged) {
    EXPECT_EQ(FormatUserSymbols(UserRows({{"A", "B", "C"}})), "A\r\nB\r\nC\r\n\r\n");
    EXPECT_EQ(FormatUserSymbols({}), "");
    EXPECT_EQ(FormatUserSymbols(ParseUserSymbols("D")), "D\r\n\r\n\r\n\r\n");

    const Records records{{"ロゴ", "その他", "<Font Face=\"Wingdings\">\xFF</Font>\xA9"},
                          {" ", "\r", "a\rb\r"},
                          {std::string(300000, 'n'), "t", std::string(1 << 20, 'c')}};
    EXPECT_EQ(ParseUserSymbols(FormatUserSymbols(UserRows(records))), UserRows(records));
}

class UserSymbolFileOnDisk : public ::testing::Test {
protected:
    TestFolder m_folder;
};

TEST_F(UserSymbolFileOnDisk, MissingFileIsCreatedEmptyAndReadingNeverTruncates) {
    const fs::path path = m_folder.Path() / "data" / "quillet" / "User.mrk";
    ASSERT_TRUE(ReadUserSymbolFile(path));
    EXPECT_EQ(ReadWholeFile(path).Value(), "");

    const std::string bytes = "A\nB\nC\n\x1A trailing";
    WriteBytes(path, bytes);
    EXPECT_EQ(ReadUserSymbolFile(path).Value(), UserRows({{"A", "B", "C"}}));
    EXPECT_EQ(ReadWholeFile(path).Value(), bytes);
}

TEST_F(UserSymbolFileOnDisk, LivesBesideTheProgramUnlessThatFolderCannotBeWritten) {
    const fs::path data = m_folder.Path() / "data";
    EXPECT_EQ(UserSymbolPath({m_folder.Path(), data}), m_folder.Path() / "User.mrk");
    EXPECT_EQ(UserSymbolPath({m_folder.Path() / "missing", data}), data / "quillet" / "User.mrk");
    EXPECT_EQ(UserSymbolPath({fs::path(), data}), data / "quillet" / "User.mrk");
    EXPECT_TRUE(fs::exists(ProgramFolder() / "symbols_tests"));
}

// Refused at once, never read: a fifo would hang the start and a device fill the memory.
struct RefusedFileCase {
    const char* behaviour;
    void (*make)(const fs::path& path);
    int errorNumber;
};

void PrintTo(const RefusedFileCase& c, std::ostream* os) {
    *os << c.behaviour;
}

class RefusedUserSymbolFile : public ::testing::TestWithParam<RefusedFileCase> {
protected:
    TestFolder m_folder;
};

TEST_P(RefusedUserSymbolFile, GivesItsReasonAndStaysAsItWas) {
    const fs::path path = m_folder.Path() / "User.mrk";
    GetParam().make(path);
    const fs::file_status before = fs::symlink_status(path);
    const auto read = ReadUserSymbolFile(path);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.Failure().errorNumber, GetParam().errorNumber);
    EXPECT_EQ(fs::symlink_status(path).type(), before.type());
}

INSTANTIATE_TEST_SUITE_P(
    UserSymbolFile, RefusedUserSymbolFile,
    ::testing::Values(RefusedFileCase{"fifo", [](const fs::path& p) { ::mkfifo(p.c_str(), 0600); },
                                      kNotRegularFile},
                      RefusedFileCase{"link to a device",
                                      [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
                                      kNotRegularFile},
                      RefusedFileCase{"folder", [](const fs::path& p) { fs::create_directory(p); },
                                      EISDIR},
                      RefusedFileCase{"beyond the size bound",
                                      [](const fs::path& p) {
                                          WriteBytes(p, "A\nB\nC\n");
                                          fs::resize_file(p, kMaxUserSymbolBytes + 1);
                                      },
                                      EFBIG}));

} // namespace

namespace quillet::test {

Status WriteUnderTest(const fs::path& path, std::string_view bytes) {
    return WriteUserSymbolFile(path, bytes);
}

INSTANTIATE_TEST_SUITE_P(UserSymbols, FileWriteCases, kFileWriteCases);

} // namespace quillet::test
