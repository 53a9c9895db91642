#pragma once

#include "platform/ProfileDocument.h"
#include "platform/Result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Profile files by path: one document read once and saved once, or single values.
namespace quillet {

// The one size limit of reading and writing: files beyond it are not settings. Only their
// whole lines within the limit are read, and they are never rewritten; a save that would
// grow a file beyond it is refused, so that the next read never finds it cut short.
inline constexpr std::size_t kMaxProfileBytes = 1024 * 1024;

// Whatever can be read, never an error: a missing or unreadable file gives an empty
// document, an oversized one the whole lines of its first kMaxProfileBytes.
ProfileDocument ReadProfile(const std::filesystem::path& path);

// The document to change and save back. Fails when the file exists but cannot be read
// whole, so that saving never replaces contents it did not see. A missing file (or
// folder) gives an empty document.
Result<ProfileDocument> LoadProfileForUpdate(const std::filesystem::path& path);

// Creates the folder when missing and replaces the file in one atomic write (see
// WriteFileAtomically). Bytes beyond kMaxProfileBytes are refused with EFBIG.
Status SaveProfile(const ProfileDocument& document, const std::filesystem::path& path);

// One value read or written by path, for callers that need a single key.
std::string ReadProfileString(const std::filesystem::path& path, std::string_view section,
                              std::string_view key, std::string_view fallback);
int ReadProfileInt(const std::filesystem::path& path, std::string_view section,
                   std::string_view key, int fallback);
Status WriteProfileString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key, std::string_view value);
Status WriteProfileInt(const std::filesystem::path& path, std::string_view section,
                       std::string_view key, int value);

} // namespace quillet
