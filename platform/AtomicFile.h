#pragma once

#include "platform/Result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quillet {

// Replaces the file with `bytes` so that it is never seen half-written, and so that nothing
// else about it changes:
// - a symbolic link is followed (a dangling one gets its target created), so the link stays;
// - a file the effective user could not open for writing, or one that is not a regular
//   file, is refused, even where the folder would allow replacing it;
// - a replaced file keeps its mode, and its owner and group where the process may set them;
//   a new file gets the mode the umask leaves of 0666;
// - the text goes to a temporary file in the same folder (its name never longer than the
//   file's own allows), is synced, and is then renamed over the target.
// On any failure the old file is left as it was (`oldFileKept`) and no temporary file
// stays behind; temporary files of this file that a crash left are removed first.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Appends what the descriptor still holds to `bytes`, stopping once more than `limit` bytes
// were appended in all. 0 on success, else the system's error number.
int AppendFromFd(int fd, std::string& bytes, std::size_t limit);

// The whole file as bytes.
Result<std::string> ReadWholeFile(const std::filesystem::path& path);

} // namespace quillet
