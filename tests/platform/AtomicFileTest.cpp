#include "platform/AtomicFile.h"

#include "tests/support/AsUnprivilegedUser.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace quillet;

namespace {

class AtomicFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("quillet-atomic-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override {
        fs::permissions(m_folder, fs::perms::owner_all);
        fs::remove_all(m_folder);
    }
    fs::path m_folder;
};

TEST_F(AtomicFile, WritesBytesExactlyAndReadsThemBack) {
    const std::string bytes("A\r\nB\0\xFF\x81", 7);
    ASSERT_TRUE(WriteFileAtomically(m_folder / "User.mrk", bytes));
    const auto read = ReadWholeFile(m_folder / "User.mrk");
    ASSERT_TRUE(read);
    EXPECT_EQ(read.Value(), bytes);
}

TEST_F(AtomicFile, ReplacesALongerFileWholeAndLeavesNoTemporaryBehind) {
    ASSERT_TRUE(WriteFileAtomically(m_folder / "f", std::string(1000, 'x')));
    ASSERT_TRUE(WriteFileAtomically(m_folder / "f", "short"));
    EXPECT_EQ(ReadWholeFile(m_folder / "f").Value(), "short");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}

TEST_F(AtomicFile, FailureInAReadOnlyFolderKeepsTheOldFile) {
    ASSERT_TRUE(WriteFileAtomically(m_folder / "f", "old"));
    // Anyone may write the file, but no one may add to the folder.
    ::chmod((m_folder / "f").c_str(), 0666);
    ::chmod(m_folder.c_str(), 0555);
    Status status = Success();
    {
        const test::AsUnprivilegedUser user;
        status = WriteFileAtomically(m_folder / "f", "new");
    }
    ASSERT_FALSE(status);
    EXPECT_EQ(status.Failure().path, m_folder / "f");
    EXPECT_EQ(status.Failure().errorNumber, EACCES);
    EXPECT_EQ(ReadWholeFile(m_folder / "f").Value(), "old");
}

// A full disk, made with a file-size limit so that it fails even for root.
TEST_F(AtomicFile, FailedWriteKeepsTheOldFileWholeAndRemovesTheTemporary) {
    ASSERT_TRUE(WriteFileAtomically(m_folder / "f", "old contents"));
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Status status = WriteFileAtomically(m_folder / "f", "much longer new contents");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    ASSERT_FALSE(status);
    EXPECT_EQ(status.Failure().step, FileError::Step::Write);
    EXPECT_EQ(ReadWholeFile(m_folder / "f").Value(), "old contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 1);
}

TEST_F(AtomicFile, MissingFolderIsReportedNotCreated) {
    const Status status = WriteFileAtomically(m_folder / "missing" / "f", "x");
    ASSERT_FALSE(status);
    EXPECT_EQ(status.Failure().step, FileError::Step::Create);
    EXPECT_FALSE(ReadWholeFile(m_folder / "missing" / "f"));
}

TEST_F(AtomicFile, KeepsThePermissionsOfTheReplacedFile) {
    ASSERT_TRUE(WriteFileAtomically(m_folder / "f", "old"));
    fs::permissions(m_folder / "f",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteFileAtomically(m_folder / "f", "new"));
    EXPECT_EQ(fs::status(m_folder / "f").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// Only leftovers go: a temporary file that another writer still holds is left to it.
TEST_F(AtomicFile, LeavesTheTemporaryFileOfAWriteInProgress) {
    const fs::path busy = m_folder / ".f.quillet-Busy01";
    std::ofstream(busy) << "half";
    const int fd = ::open(busy.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    ASSERT_TRUE(WriteFileAtomically(m_folder / "f", "new"));
    EXPECT_TRUE(fs::exists(busy));
    ::close(fd);
    ASSERT_TRUE(WriteFileAtomically(m_folder / "f", "newer"));
    EXPECT_FALSE(fs::exists(busy));
}

} // namespace
