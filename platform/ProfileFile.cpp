#include "platform/ProfileFile.h"

#include "platform/AtomicFile.h"
#include "platform/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quillet {
namespace {

struct ProfileBytes {
    enum class State { Missing, Whole, Cut, Failed };
    State state = State::Missing;
    std::string bytes;
    int errorNumber = 0;
    FileError::Step failedStep = FileError::Step::Open;
};

ProfileBytes Failed(FileError::Step step, int errorNumber) {
    return ProfileBytes{ProfileBytes::State::Failed, {}, errorNumber, step};
}

// Opened without blocking and read only when it is a regular file, so that a fifo or a
// device chosen by mistake cannot hang the program or fill its memory.
ProfileBytes ReadProfileBytes(const std::filesystem::path& path) {
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) {
            return ProfileBytes{};
        }
        return Failed(FileError::Step::Open, errno);
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        return Failed(FileError::Step::Read, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return Failed(FileError::Step::Read, S_ISDIR(info.st_mode) ? EISDIR : kNotRegularFile);
    }
    ProfileBytes result;
    result.state = ProfileBytes::State::Whole;
    if (const int error = AppendFromFd(fd.Get(), result.bytes, kMaxProfileBytes); error != 0) {
        return Failed(FileError::Step::Read, error);
    }
    if (result.bytes.size() > kMaxProfileBytes) {
        // Whole lines only: a value cut in the middle would read as another value.
        const std::size_t lastLine = result.bytes.rfind('\n', kMaxProfileBytes - 1);
        result.bytes.resize(lastLine == std::string::npos ? 0 : lastLine + 1);
        result.state = ProfileBytes::State::Cut;
    }
    return result;
}

} // namespace

ProfileDocument ReadProfile(const std::filesystem::path& path) {
    return ProfileDocument(ReadProfileBytes(path).bytes);
}

Result<ProfileDocument> LoadProfileForUpdate(const std::filesystem::path& path) {
    const ProfileBytes read = ReadProfileBytes(path);
    switch (read.state) {
    case ProfileBytes::State::Missing:
        return ProfileDocument();
    case ProfileBytes::State::Whole:
        return ProfileDocument(read.bytes);
    case ProfileBytes::State::Cut:
        return FileError{FileError::Step::Read, path, EFBIG};
    case ProfileBytes::State::Failed:
        break;
    }
    return FileError{read.failedStep, path, read.errorNumber};
}

Status SaveProfile(const ProfileDocument& document, const std::filesystem::path& path) {
    std::string bytes = document.Bytes();
    if (bytes.size() > kMaxProfileBytes) {
        std::error_code error;
        return FileError{FileError::Step::Write, path, EFBIG, std::filesystem::exists(path, error)};
    }
    if (path.has_parent_path()) {
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (error) {
            return FileError{FileError::Step::Create, path, error.value()};
        }
    }
    return WriteFileAtomically(path, bytes);
}

std::string ReadProfileString(const std::filesystem::path& path, std::string_view section,
                              std::string_view key, std::string_view fallback) {
    return ReadProfile(path).String(section, key, fallback);
}

int ReadProfileInt(const std::filesystem::path& path, std::string_view section,
                   std::string_view key, int fallback) {
    return ReadProfile(path).Int(section, key, fallback);
}

Status WriteProfileString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key, std::string_view value) {
    Result<ProfileDocument> document = LoadProfileForUpdate(path);
    if (!document) {
        return document.Failure();
    }
    if (!document.Value().SetString(section, key, value)) {
        return FileError{FileError::Step::Write, path, kUnstorableText};
    }
    return SaveProfile(document.Value(), path);
}

Status WriteProfileInt(const std::filesystem::path& path, std::string_view section,
                       std::string_view key, int value) {
    return WriteProfileString(path, section, key, std::to_string(value));
}

} // namespace quillet
