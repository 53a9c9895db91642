#include "platform/AtomicFile.h"

#include "platform/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillet {
namespace {

// Closes the descriptor and removes the temporary file unless the rename took it over.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string pattern) : m_name(std::move(pattern)) {
        m_fd = ::mkstemp(m_name.data());
    }
    ~TemporaryFile() {
        Close();
        if (!m_kept) {
            ::unlink(m_name.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Fd() const { return m_fd; }
    const std::string& Name() const { return m_name; }
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
    std::string m_name;
    int m_fd = -1;
    bool m_kept = false;
};

FileError MakeError(FileError::Step step, const std::filesystem::path& path) {
    return FileError{step, path, errno};
}

} // namespace

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    TemporaryFile temporary((folder / ("." + path.filename().string() + ".XXXXXX")).string());
    if (temporary.Fd() < 0) {
        return MakeError(FileError::Step::Create, path);
    }
    // Keep the permissions of the file being replaced; mkstemp makes it private.
    struct stat existing {};
    const mode_t mode = ::stat(path.c_str(), &existing) == 0 ? existing.st_mode & 07777 : 0644;
    ::fchmod(temporary.Fd(), mode);

    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(temporary.Fd(), data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return MakeError(FileError::Step::Write, path);
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fsync(temporary.Fd()) != 0) {
        return MakeError(FileError::Step::Sync, path);
    }
    if (temporary.Close() != 0) {
        return MakeError(FileError::Step::Write, path);
    }
    if (::rename(temporary.Name().c_str(), path.c_str()) != 0) {
        return MakeError(FileError::Step::Rename, path);
    }
    temporary.Keep();
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

Result<std::string> ReadWholeFile(const std::filesystem::path& path) {
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        return MakeError(FileError::Step::Open, path);
    }
    std::string bytes;
    if (const int error = AppendFromFd(fd.Get(), bytes, std::string().max_size()); error != 0) {
        return FileError{FileError::Step::Read, path, error};
    }
    return bytes;
}

} // namespace quillet
