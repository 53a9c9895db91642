#pragma once

#include "platform/Result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quillet {

// Whether a saved fragment is wrapped in a document: the file name ends in exactly ".htm".
bool WrapsInDocument(const std::filesystem::path& path);

// What a saved fragment file holds: the fragment wrapped in a bare HTML document when the
// file name ends in exactly ".htm", the fragment alone otherwise. Every line feed is
// written as CR LF; nothing else is added.
std::string SaveFileContents(std::string_view fragment, const std::filesystem::path& path);

// Writes SaveFileContents to the file as WriteFileAtomically does: the old file stays as it
// was unless the whole new one could be written, and a link keeps pointing at it.
Status SaveTagFile(std::string_view fragment, const std::filesystem::path& path);

} // namespace quillet
