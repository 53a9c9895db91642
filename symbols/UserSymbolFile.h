#pragma once

#include "platform/Result.h"
#include "symbols/SymbolRecord.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// The folder of the running executable; empty when the system does not say.
std::filesystem::path ProgramFolder();

// The two places the user symbol file may live.
struct UserSymbolFolders {
    std::filesystem::path programFolder;
    std::filesystem::path dataHome; // $XDG_DATA_HOME, or ~/.local/share
};

// The program folder and the data home of this process's environment; no program folder for
// an installed program, whose user data always goes to the data home.
UserSymbolFolders DefaultUserSymbolFolders();

// "User.mrk" beside the executable, or in dataHome/quillet/ when there is no program folder
// or it cannot be written, since every save replaces the file there.
std::filesystem::path UserSymbolPath(const UserSymbolFolders& folders);

// The file's records as user rows (UserIcon), in file order. Lines end at LF, one CR before
// the LF going with it; byte 1A ends the text; empty lines where a name belongs are skipped;
// a record cut short by the end keeps empty fields.
std::vector<SymbolRow> ParseUserSymbols(std::string_view bytes);

// The rows' records as the file holds them: name, type, content and an empty line, each
// ending in CR LF, byte for byte.
std::string FormatUserSymbols(const std::vector<SymbolRow>& rows);

// Far beyond any list a person keeps, and short of what would exhaust the memory. Files
// beyond it are neither read nor written.
inline constexpr std::size_t kMaxUserSymbolBytes = 64 * 1024 * 1024;

// Reads every record. A missing file is created empty (and its folder with it); an existing
// one is never truncated. A fifo, a device or a folder (kNotRegularFile, EISDIR) and a file
// beyond kMaxUserSymbolBytes (EFBIG) are refused at once. Any failure gives the error and no
// rows.
Result<std::vector<SymbolRow>> ReadUserSymbolFile(const std::filesystem::path& path);

// Replaces the file whole as WriteFileAtomically does; on failure the old file stays as it
// was. A text beyond kMaxUserSymbolBytes is refused (EFBIG).
Status WriteUserSymbolFile(const std::filesystem::path& path, std::string_view text);

} // namespace quillet
