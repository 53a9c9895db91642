#include "platform/ProfileFile.h"

#include "tests/support/FileSizeLimit.h"
#include "tests/support/FileWriteCases.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace quillet;
using namespace quillet::test;

namespace {

const std::string kSettings = "; kept\r\n"
                              "[Window]\r\n"
                              "WindowWidth=300\r\n"
                              "[Mark]\r\n"
                              "TypeIndex=記号\r\n";

TEST(ProfileFile, ReadsByPathWithDefaultsForMissingFileOrFolder) {
    const TemporaryFolder folder;
    const fs::path ini = folder.Write("q.INI", kSettings);
    EXPECT_EQ(ReadProfileInt(ini, "window", "windowwidth", 0), 300);
    EXPECT_EQ(ReadProfileString(ini, "Mark", "TypeIndex", ""), "記号");
    EXPECT_EQ(ReadProfileInt(folder / "none.INI", "Window", "WindowWidth", 200), 200);
    EXPECT_EQ(ReadProfileString(folder / "no" / "q.INI", "Mark", "TypeIndex", "d"), "d");
}

TEST(ProfileFile, DocumentChangesReachTheFileOnlyWhenSaved) {
    const TemporaryFolder folder;
    const fs::path ini = folder.Write("q.INI", kSettings);
    Result<ProfileDocument> document = LoadProfileForUpdate(ini);
    ASSERT_TRUE(document);
    ASSERT_TRUE(document.Value().SetInt("Window", "WindowWidth", 640));
    ASSERT_TRUE(document.Value().SetInt("Mark", "ColumnName", 2));
    EXPECT_EQ(folder.Read("q.INI"), kSettings);
    ASSERT_TRUE(SaveProfile(document.Value(), ini));
    std::string expected = kSettings + "ColumnName=2\r\n";
    expected.replace(expected.find("300"), 3, "640");
    EXPECT_EQ(folder.Read("q.INI"), expected);
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(ProfileFile, FolderThatIsAFileGivesAnErrorAndDefaults) {
    const TemporaryFolder folder;
    folder.Write("plain", "not a folder");
    const fs::path ini = folder / "plain" / "q.INI";
    EXPECT_EQ(ReadProfileInt(ini, "Window", "WindowWidth", 200), 200);
    const Status status = WriteProfileInt(ini, "Window", "WindowWidth", 300);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.Failure().step, FileError::Step::Create);
    EXPECT_EQ(status.Failure().path, ini);
    EXPECT_EQ(folder.Read("plain"), "not a folder");
}

TEST(ProfileFile, FullDiskGivesAnErrorAndKeepsTheOldFileWhole) {
    const TemporaryFolder folder;
    const fs::path ini = folder.Write("q.INI", kSettings);
    Status status = Success();
    {
        const test::FileSizeLimit limit(8);
        status = WriteProfileString(ini, "Mark", "TypeIndex", std::string(100, 'x'));
    }
    ASSERT_FALSE(status);
    EXPECT_EQ(status.Failure().errorNumber, EFBIG);
    EXPECT_EQ(folder.Read("q.INI"), kSettings);
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(ProfileFile, TargetThatIsNoRegularFileIsReadAsEmptyAndNeverReplaced) {
    const TemporaryFolder folder;
    fs::create_directories(folder / "dir.INI" / "inside");
    ASSERT_EQ(::mkfifo((folder / "fifo.INI").c_str(), 0600), 0);
    for (const char* name : {"dir.INI", "fifo.INI"}) {
        EXPECT_EQ(ReadProfileInt(folder / name, "Window", "WindowWidth", 7), 7) << name;
        EXPECT_FALSE(WriteProfileInt(folder / name, "Window", "WindowWidth", 1)) << name;
    }
    EXPECT_TRUE(fs::is_directory(folder / "dir.INI" / "inside"));
    EXPECT_TRUE(fs::is_fifo(folder / "fifo.INI"));
}

TEST(ProfileFile, DamagedFileWithBinaryBytesAndHugeLinesReadsAndKeepsItsBytes) {
    const TemporaryFolder folder;
    std::string damaged(512 * 1024, '\0');
    for (std::size_t i = 0; i < damaged.size(); i += 7) {
        damaged[i] = static_cast<char>(i * 31);
    }
    damaged += "\n[Window]\r\nWindowWidth=333\r\n";
    const fs::path ini = folder.Write("q.INI", damaged);
    EXPECT_EQ(ReadProfileInt(ini, "Window", "WindowWidth", 0), 333);
    ASSERT_TRUE(WriteProfileInt(ini, "Window", "WindowWidth", 444));
    damaged.replace(damaged.size() - 5, 3, "444");
    EXPECT_EQ(folder.Read("q.INI"), damaged);
}

TEST(ProfileFile, OversizedFileReadsItsBeginningAndIsNeverRewritten) {
    const TemporaryFolder folder;
    const std::string huge = "[Window]\r\nWindowWidth=321\r\n" + std::string(kMaxProfileBytes, 'x');
    const fs::path ini = folder.Write("q.INI", huge);
    EXPECT_EQ(ReadProfileInt(ini, "Window", "WindowWidth", 0), 321);
    const Status status = WriteProfileInt(ini, "Window", "WindowWidth", 1);
    ASSERT_FALSE(status);
    EXPECT_EQ(status.Failure().errorNumber, EFBIG);
    EXPECT_EQ(fs::file_size(ini), huge.size());
}

// One limit for reading and writing: a save never makes a file that the next read cuts.
TEST(ProfileFile, OneSizeLimitForReadingAndWriting) {
    const TemporaryFolder folder;
    const std::string start = "[Window]\r\nWindowWidth=321\r\n;";
    std::string nearLimit = start + std::string(kMaxProfileBytes - start.size() - 20, 'x');
    const fs::path ini = folder.Write("q.INI", nearLimit);
    const Status status = WriteProfileString(ini, "Mark", "TypeIndex", std::string(40, 't'));
    ExpectRefused(status, FileError::Step::Write, EFBIG);
    EXPECT_EQ(folder.Read("q.INI"), nearLimit);

    // A value cut by the limit is not read at all; the lines before it are.
    nearLimit.resize(kMaxProfileBytes - std::string_view("\r\nTabPage=6").size(), 'x');
    folder.Write("q.INI", nearLimit + "\r\nTabPage=640\r\n");
    EXPECT_EQ(ReadProfileInt(ini, "Window", "WindowWidth", 0), 321);
    EXPECT_EQ(ReadProfileInt(ini, "Window", "TabPage", 7), 7);
    EXPECT_FALSE(WriteProfileInt(ini, "Window", "WindowWidth", 1));
}

} // namespace

namespace quillet::test {

Status WriteUnderTest(const fs::path& path, std::string_view bytes) {
    return SaveProfile(ProfileDocument(bytes), path);
}

INSTANTIATE_TEST_SUITE_P(Settings, FileWriteCases, kFileWriteCases);

} // namespace quillet::test
