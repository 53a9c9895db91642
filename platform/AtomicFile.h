#pragma once

#include "platform/Result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quillet {

// Replaces the file with `bytes` so that it is never seen half-written: the text goes to a
// temporary file in the same folder, is synced, and is then renamed over the target. On
// any failure the old file is left as it was and the temporary file is removed.
Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Appends what the descriptor still holds to `bytes`, stopping once more than `limit` bytes
// were appended in all. 0 on success, else the system's error number.
int AppendFromFd(int fd, std::string& bytes, std::size_t limit);

// The whole file as bytes.
Result<std::string> ReadWholeFile(const std::filesystem::path& path);

} // namespace quillet
