#include "symbols/UserSymbolFile.h"

#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quillet {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFileName = "User.mrk";
constexpr char kEndOfText = '\x1A';
constexpr std::string_view kLineBreak = "\r\n";

// Takes the next line off the front of `rest`; false when nothing is left to read.
bool NextLine(std::string_view& rest, std::string_view& line) {
    if (rest.empty()) {
        line = {};
        return false;
    }
    const std::size_t end = rest.find('\n');
    if (end == std::string_view::npos) {
        line = rest;
        rest = {};
        return true;
    }
    line = rest.substr(0, end);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    rest.remove_prefix(end + 1);
    return true;
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

fs::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir) {
        return entry->pw_dir;
    }
    return {};
}

} // namespace

fs::path ProgramFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}

UserSymbolFolders DefaultUserSymbolFolders() {
    UserSymbolFolders folders;
    folders.programFolder = ProgramFolder();
    // A relative XDG_DATA_HOME is to be ignored.
    if (const char* data = std::getenv("XDG_DATA_HOME");
        data != nullptr && fs::path(data).is_absolute()) {
        folders.dataHome = data;
    } else {
        folders.dataHome = HomeFolder() / ".local" / "share";
    }
    return folders;
}

fs::path UserSymbolPath(const UserSymbolFolders& folders) {
    if (!folders.programFolder.empty() && ::access(folders.programFolder.c_str(), W_OK) == 0) {
        return folders.programFolder / kFileName;
    }
    return folders.dataHome / "quillet" / kFileName;
}

std::vector<SymbolRecord> ParseUserSymbols(std::string_view bytes) {
    std::string_view rest = bytes.substr(0, bytes.find(kEndOfText));
    std::vector<SymbolRecord> records;
    std::string_view name;
    std::string_view type;
    std::string_view content;
    while (NextLine(rest, name)) {
        if (name.empty()) {
            continue;
        }
        NextLine(rest, type);
        NextLine(rest, content);
        records.push_back(SymbolRecord{std::string(name), std::string(type), std::string(content)});
    }
    return records;
}

void AppendUserSymbol(std::string& text, const SymbolRecord& record) {
    text += record.name;
    text += kLineBreak;
    text += record.type;
    text += kLineBreak;
    text += record.content;
    text += kLineBreak;
    text += kLineBreak;
}

std::string FormatUserSymbols(const std::vector<SymbolRecord>& records) {
    std::string text;
    for (const SymbolRecord& record : records) {
        AppendUserSymbol(text, record);
    }
    return text;
}

Result<std::vector<SymbolRecord>> ReadUserSymbolFile(const fs::path& path) {
    if (path.has_parent_path()) {
        std::error_code error;
        fs::create_directories(path.parent_path(), error);
        if (error) {
            return FileError{FileError::Step::Create, path, error.value()};
        }
    }
    // O_CREAT without O_TRUNC: a missing file appears empty, an existing one is untouched.
    const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666));
    if (fd.Get() < 0) {
        return FileError{FileError::Step::Open, path, errno};
    }
    // Read straight into one buffer of the file's size: a large file is not copied as it grows.
    struct stat status {};
    std::string bytes;
    std::size_t used = 0;
    bytes.resize(::fstat(fd.Get(), &status) == 0 && status.st_size > 0
                     ? static_cast<std::size_t>(status.st_size) + 1
                     : 65536);
    for (;;) {
        if (used == bytes.size()) {
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t got = ::read(fd.Get(), bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FileError{FileError::Step::Read, path, errno};
        }
        if (got == 0) {
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    return ParseUserSymbols(std::string_view(bytes).substr(0, used));
}

Status WriteUserSymbolFile(const fs::path& path, std::string_view text) {
    return WriteFileAtomically(path, text);
}

} // namespace quillet
