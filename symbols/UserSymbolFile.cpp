#include "symbols/UserSymbolFile.h"

#include "platform/AtomicFile.h"
#include "platform/Folders.h"
#include "platform/UniqueFd.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
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

// Calls take(name, type, content) for each record: an empty line where a name belongs is
// skipped, and the two lines after a name are its type and content even when missing.
template <typename Take> void ForEachRecord(std::string_view rest, Take take) {
    std::string_view name;
    std::string_view type;
    std::string_view content;
    while (NextLine(rest, name)) {
        if (name.empty()) {
            continue;
        }
        NextLine(rest, type);
        NextLine(rest, content);
        take(name, type, content);
    }
}

} // namespace

fs::path ProgramFolder() {
    return ExecutablePath().parent_path();
}

UserSymbolFolders DefaultUserSymbolFolders() {
    UserSymbolFolders folders;
    // An installed program's folder belongs to the system even when it can be written.
    if (!InstalledDataFolder(ExecutablePath())) {
        folders.programFolder = ProgramFolder();
    }
    folders.dataHome = DataHome();
    return folders;
}

fs::path UserSymbolPath(const UserSymbolFolders& folders) {
    if (!folders.programFolder.empty() && ::access(folders.programFolder.c_str(), W_OK) == 0) {
        return folders.programFolder / kFileName;
    }
    return folders.dataHome / "quillet" / kFileName;
}

std::vector<SymbolRow> ParseUserSymbols(std::string_view bytes) {
    const std::string_view text = bytes.substr(0, bytes.find(kEndOfText));
    // Counted first, so that a large file's rows are not moved each time the list grows.
    std::size_t count = 0;
    ForEachRecord(text,
                  [&count](std::string_view, std::string_view, std::string_view) { ++count; });
    std::vector<SymbolRow> rows;
    rows.reserve(count);
    ForEachRecord(text, [&rows](std::string_view name, std::string_view type,
                                std::string_view content) {
        rows.push_back(SymbolRow{
            SymbolRecord{std::string(name), std::string(type), std::string(content)}, UserIcon});
    });
    return rows;
}

std::string FormatUserSymbols(const std::vector<SymbolRow>& rows) {
    std::size_t size = 0;
    for (const SymbolRow& row : rows) {
        const SymbolRecord& record = row.record;
        size +=
            record.name.size() + record.type.size() + record.content.size() + 4 * kLineBreak.size();
    }
    std::string text;
    text.reserve(size);
    for (const SymbolRow& row : rows) {
        for (const std::string* line : {&row.record.name, &row.record.type, &row.record.content}) {
            text += *line;
            text += kLineBreak;
        }
        text += kLineBreak;
    }
    return text;
}

Result<std::vector<SymbolRow>> ReadUserSymbolFile(const fs::path& path) {
    if (path.has_parent_path()) {
        std::error_code error;
        fs::create_directories(path.parent_path(), error);
        if (error) {
            return FileError{FileError::Step::Create, path, error.value()};
        }
    }
    // O_CREAT without O_TRUNC: a missing file appears empty, an existing one is untouched.
    // Not blocking, and read only when a regular file of a sane size: a fifo would hang the
    // program and a link to a device would fill its memory.
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
    if (fd.Get() < 0) {
        return FileError{FileError::Step::Open, path, errno};
    }
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0) {
        return FileError{FileError::Step::Read, path, errno};
    }
    if (!S_ISREG(status.st_mode)) {
        return FileError{FileError::Step::Read, path, kNotRegularFile};
    }
    if (static_cast<std::uintmax_t>(status.st_size) > kMaxUserSymbolBytes) {
        return FileError{FileError::Step::Read, path, EFBIG};
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(status.st_size) + 1);
    if (const int error = AppendFromFd(fd.Get(), bytes, kMaxUserSymbolBytes); error != 0) {
        return FileError{FileError::Step::Read, path, error};
    }
    if (bytes.size() > kMaxUserSymbolBytes) { // it grew while being read
        return FileError{FileError::Step::Read, path, EFBIG};
    }
    return ParseUserSymbols(bytes);
}

Status WriteUserSymbolFile(const fs::path& path, std::string_view text) {
    if (text.size() > kMaxUserSymbolBytes) {
        std::error_code error;
        return FileError{FileError::Step::Write, path, EFBIG, fs::exists(path, error)};
    }
    return WriteFileAtomically(path, text);
}

} // namespace quillet
