#pragma once

#include "platform/Result.h"
#include "tests/support/AsUnprivilegedUser.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

// The file kinds and faults that every writer of the user's files meets alike. A test file
// that includes this defines WriteUnderTest for its writer and instantiates the suite:
//   INSTANTIATE_TEST_SUITE_P(Settings, FileWriteCases, test::kFileWriteCases);
namespace quillet::test {

Status WriteUnderTest(const std::filesystem::path& path, std::string_view bytes);

inline constexpr std::string_view kNewBytes = "new contents";
struct FileWriteCase {
    const char* behaviour;
    // Lays out the folder and gives the path handed to the writer.
    std::function<std::filesystem::path(const TemporaryFolder&)> prepare;
    // What the write must leave; `status` is its outcome.
    std::function<void(const TemporaryFolder&, const std::filesystem::path&, const Status&)> check;
    bool unprivileged = false;
    mode_t umask = 022;
    rlim_t sizeLimit = 0; // 0: no limit
};

inline void PrintTo(const FileWriteCase& c, std::ostream* out) {
    *out << c.behaviour;
}

inline mode_t Mode(const std::filesystem::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

inline void ExpectRefused(const Status& status, FileError::Step step, int errorNumber) {
    ASSERT_FALSE(status);
    EXPECT_EQ(status.Failure().step, step);
    EXPECT_EQ(status.Failure().errorNumber, errorNumber);
    EXPECT_TRUE(status.Failure().oldFileKept);
}

class FileWriteCases : public ::testing::TestWithParam<FileWriteCase> {};

TEST_P(FileWriteCases, LeaveTheFileTheUserPointedAt) {
    const FileWriteCase& c = GetParam();
    const TemporaryFolder folder;
    const std::filesystem::path path = c.prepare(folder);
    std::optional<Status> status;
    {
        const mode_t savedUmask = ::umask(c.umask);
        std::optional<FileSizeLimit> limit;
        if (c.sizeLimit != 0) {
            limit.emplace(c.sizeLimit);
        }
        std::optional<AsUnprivilegedUser> user;
        if (c.unprivileged) {
            user.emplace();
        }
        status = WriteUnderTest(path, kNewBytes);
        ::umask(savedUmask);
    }
    c.check(folder, path, *status);
}

inline const auto kFileWriteCases = ::testing::Values(
    FileWriteCase{"a link is written through and stays a link",
                  [](const TemporaryFolder& f) {
                      f.Write("real/f.txt", "old");
                      std::filesystem::create_symlink("real/f.txt", f / "f.txt");
                      return f / "f.txt";
                  },
                  [](const TemporaryFolder& f, const auto& path, const Status& status) {
                      ASSERT_TRUE(status);
                      EXPECT_TRUE(std::filesystem::is_symlink(path));
                      EXPECT_EQ(f.Read("real/f.txt"), kNewBytes);
                  }},
    FileWriteCase{"a dangling link gets its target created",
                  [](const TemporaryFolder& f) {
                      std::filesystem::create_symlink("made.txt", f / "f.txt");
                      return f / "f.txt";
                  },
                  [](const TemporaryFolder& f, const auto& path, const Status& status) {
                      ASSERT_TRUE(status);
                      EXPECT_TRUE(std::filesystem::is_symlink(path));
                      EXPECT_EQ(f.Read("made.txt"), kNewBytes);
                  }},
    FileWriteCase{"a read-only file is refused though its folder is writable",
                  [](const TemporaryFolder& f) {
                      const auto path = f.Write("f.txt", "old");
                      ::chmod(path.c_str(), 0444);
                      ::chmod(f.Path().c_str(), 0777);
                      return path;
                  },
                  [](const TemporaryFolder& f, const auto&, const Status& status) {
                      ExpectRefused(status, FileError::Step::Replace, EACCES);
                      EXPECT_EQ(f.Read("f.txt"), "old");
                      EXPECT_EQ(f.EntryCount(), 1u);
                  },
                  true},
    FileWriteCase{"a new file follows the umask",
                  [](const TemporaryFolder& f) { return f / "f.txt"; },
                  [](const TemporaryFolder&, const auto& path, const Status& status) {
                      ASSERT_TRUE(status);
                      EXPECT_EQ(Mode(path), 0600u);
                  },
                  false, 077},
    FileWriteCase{"a replaced file keeps its mode, owner and group",
                  [](const TemporaryFolder& f) {
                      const auto path = f.Write("f.txt", "old");
                      const uid_t owner = ::geteuid() == 0 ? kNobody : ::geteuid();
                      static_cast<void>(
                          ::chown(path.c_str(), owner, owner == kNobody ? kNobody : ::getegid()));
                      ::chmod(path.c_str(), 0604);
                      return path;
                  },
                  [](const TemporaryFolder&, const auto& path, const Status& status) {
                      ASSERT_TRUE(status);
                      struct stat info {};
                      ::stat(path.c_str(), &info);
                      EXPECT_EQ(info.st_mode & 07777, 0604u);
                      EXPECT_EQ(info.st_uid, ::geteuid() == 0 ? kNobody : ::geteuid());
                  }},
    FileWriteCase{"a name of 255 bytes",
                  [](const TemporaryFolder& f) { return f / (std::string(251, 'n') + ".txt"); },
                  [](const TemporaryFolder& f, const auto& path, const Status& status) {
                      ASSERT_TRUE(status);
                      EXPECT_EQ(f.Read(path.filename()), kNewBytes);
                      EXPECT_EQ(f.EntryCount(), 1u);
                  }},
    FileWriteCase{"a crash leftover is removed",
                  [](const TemporaryFolder& f) {
                      f.Write(".f.txt.quillet-Ab12Cd", "half");
                      return f.Write("f.txt", "old");
                  },
                  [](const TemporaryFolder& f, const auto&, const Status& status) {
                      ASSERT_TRUE(status);
                      EXPECT_EQ(f.Read("f.txt"), kNewBytes);
                      EXPECT_EQ(f.EntryCount(), 1u);
                  }},
    FileWriteCase{"a full disk keeps the old file and leaves nothing behind",
                  [](const TemporaryFolder& f) { return f.Write("f.txt", "old"); },
                  [](const TemporaryFolder& f, const auto&, const Status& status) {
                      ExpectRefused(status, FileError::Step::Write, EFBIG);
                      EXPECT_EQ(f.Read("f.txt"), "old");
                      EXPECT_EQ(f.EntryCount(), 1u);
                  },
                  false, 022, 4});

} // namespace quillet::test
