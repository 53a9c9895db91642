#pragma once

#include "platform/Result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quillet {

// What a saved fragment file holds: the fragment wrapped in a bare HTML document when the
// file name ends in exactly ".htm", the fragment alone otherwise. Every line feed is
// written as CR LF; nothing else is added.
std::string SaveFileContents(std::string_view fragment, const std::filesystem::path& path);

// Writes SaveFileContents to the file. The old file stays as it was unless the whole new
// one could be written; a link is followed, so the file it points to gets the text.
Status SaveTagFile(std::string_view fragment, const std::filesystem::path& path);

// Why a file operation failed, in words for the user (code page 932).
std::string FileErrorReason(const FileError& error);

} // namespace quillet
