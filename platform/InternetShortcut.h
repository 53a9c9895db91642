#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace quillet {

// The longest address taken from a shortcut, in bytes.
inline constexpr std::size_t kMaxShortcutUrlBytes = 4999;

// The address of an Internet shortcut (.url) file: value "URL" of section
// "InternetShortcut", in code page 932 bytes, from a file in code page 932 or in UTF-8
// (with or without a byte order mark). Characters the code page cannot hold come back
// percent-encoded as UTF-8. Empty for a missing file, section or key;
// a longer address is cut at the last whole character that fits. The characters that cannot
// stand inside a quoted attribute value ('"', '<', '>') come back percent-encoded, so the
// address stays within the link's Href.
std::string ReadInternetShortcutUrl(const std::filesystem::path& path);

} // namespace quillet
