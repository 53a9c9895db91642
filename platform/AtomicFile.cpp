#include "platform/AtomicFile.h"

#include "platform/UniqueFd.h"

#include <cerrno>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet {
namespace {

namespace fs = std::filesystem;

// Temporary files are named "." + the file's name + kTemporaryMark + kRandomLength letters,
// so that leftovers of one file are found by name and never mistaken for another's.
constexpr std::string_view kTemporaryMark = ".quillet-";
constexpr std::size_t kRandomLength = 6;
constexpr std::size_t kNameMax = 255;
constexpr int kMaxLinks = 40; // as many as the system itself follows

// The name without the random letters. A name too long to carry along is replaced by its
// hash, which still ties the temporary file to this file alone.
std::string TemporaryStem(const std::string& name) {
    if (1 + name.size() + kTemporaryMark.size() + kRandomLength <= kNameMax) {
        return "." + name + std::string(kTemporaryMark);
    }
    std::uint64_t hash = 14695981039346656037ULL; // FNV-1a
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    std::string hex(16, '0');
    for (std::size_t i = 16; i-- > 0; hash >>= 4) {
        hex[i] = "0123456789abcdef"[hash & 15];
    }
    return "." + hex + std::string(kTemporaryMark);
}

// A new file of its own in the folder, locked while it lives so that no other writer takes
// it for a leftover. Removed unless the rename took it over.
class TemporaryFile {
public:
    TemporaryFile(const fs::path& folder, const std::string& stem, mode_t mode) {
        static constexpr std::string_view kLetters =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        std::random_device random;
        std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = stem;
            for (std::size_t i = 0; i < kRandomLength; ++i) {
                name += kLetters[pick(random)];
            }
            m_path = folder / name;
            m_fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (m_fd >= 0 || errno != EEXIST) {
                break;
            }
        }
        if (m_fd >= 0) {
            ::flock(m_fd, LOCK_EX | LOCK_NB);
        }
    }
    ~TemporaryFile() {
        if (m_fd >= 0 && !m_kept) {
            ::unlink(m_path.c_str());
        }
        Close();
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Fd() const { return m_fd; }
    const fs::path& Path() const { return m_path; }
    int Close() {
        int result = 0;
        if (m_fd >= 0) {
            result = ::close(m_fd);
            m_fd = -1;
        }
        return result;
    }
    void Keep() { m_kept = true; }

private:
    fs::path m_path;
    int m_fd = -1;
    bool m_kept = false;
};

// Temporary files of this file that no writer holds: a crash or a power loss left them.
void RemoveLeftovers(const fs::path& folder, std::string_view stem) {
    const std::unique_ptr<DIR, int (*)(DIR*)> entries(::opendir(folder.c_str()), ::closedir);
    if (!entries) {
        return;
    }
    const int folderFd = ::dirfd(entries.get());
    while (const dirent* entry = ::readdir(entries.get())) {
        const std::string_view name = entry->d_name;
        if (name.size() != stem.size() + kRandomLength || !name.starts_with(stem)) {
            continue;
        }
        const UniqueFd fd(
            ::openat(folderFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (fd.Get() >= 0 && ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) {
            ::unlinkat(folderFd, entry->d_name, 0);
        }
    }
}

// Where a write to `path` lands: the end of its chain of links, which need not exist yet.
Result<fs::path> WriteTarget(const fs::path& path) {
    fs::path current = path;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(current, error);
        if (error) {
            return FileError{FileError::Step::Replace, path, error.value(), true};
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return FileError{FileError::Step::Replace, path, ELOOP, true};
}

// Owner and group first: changing them clears set-user-ID bits that the mode then restores.
void TakeOverOwnerAndMode(int fd, const struct stat& old) {
    if (::fchown(fd, old.st_uid, old.st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        // Not the owner's to give away: the file becomes the user's, with the same mode.
    }
    ::fchmod(fd, old.st_mode & 07777);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself survive a power loss.
void SyncFolder(const fs::path& folder) {
    const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0) {
        ::fsync(fd.Get());
    }
}

} // namespace

Status WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    const Result<fs::path> resolved = WriteTarget(path);
    if (!resolved) {
        return resolved.Failure();
    }
    const fs::path& target = resolved.Value();
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    const auto failed = [&](FileError::Step step, int errorNumber = errno) {
        return FileError{step, path, errorNumber, exists};
    };
    if (exists) {
        if (!S_ISREG(old.st_mode)) {
            return failed(FileError::Step::Replace,
                          S_ISDIR(old.st_mode) ? EISDIR : kNotRegularFile);
        }
        // As a direct write would decide: the rename alone would replace a read-only file.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            return failed(FileError::Step::Replace);
        }
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const std::string stem = TemporaryStem(target.filename().string());
    RemoveLeftovers(folder, stem);
    // A new file is made as any program makes one, under the umask; a replacement stays
    // private until it has the old file's mode.
    TemporaryFile temporary(folder, stem, exists ? 0600 : 0666);
    if (temporary.Fd() < 0) {
        return failed(exists ? FileError::Step::Replace : FileError::Step::Create);
    }
    if (exists) {
        TakeOverOwnerAndMode(temporary.Fd(), old);
    }
    if (!WriteAll(temporary.Fd(), bytes)) {
        return failed(FileError::Step::Write);
    }
    if (::fsync(temporary.Fd()) != 0) {
        return failed(FileError::Step::Sync);
    }
    if (::rename(temporary.Path().c_str(), target.c_str()) != 0) {
        return failed(exists ? FileError::Step::Replace : FileError::Step::Create);
    }
    // Closed only now, so that the lock holds until the name is gone; the text is synced.
    temporary.Keep();
    SyncFolder(folder);
    return Success();
}

int AppendFromFd(int fd, std::string& bytes, std::size_t limit) {
    const std::size_t start = bytes.size();
    char buffer[65536];
    while (bytes.size() - start <= limit) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    return 0;
}

Result<std::string> ReadWholeFile(const fs::path& path) {
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        return FileError{FileError::Step::Open, path, errno};
    }
    std::string bytes;
    if (const int error = AppendFromFd(fd.Get(), bytes, std::string().max_size()); error != 0) {
        return FileError{FileError::Step::Read, path, error};
    }
    return bytes;
}

} // namespace quillet
