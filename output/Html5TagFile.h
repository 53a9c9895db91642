#pragma once

#include "platform/Result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quillet {

// What a fragment file saved in HTML5 style holds, UTF-8 without a byte order mark: for a
// name ending in exactly ".htm" a whole document (doctype, language, charset, the file
// name's stem as title, the fragment in the body), the fragment alone otherwise. Line
// feeds are written as CR LF, as in the present style.
std::string Html5SaveFileContents(std::string_view utf8Fragment, const std::filesystem::path& path);

// Converts the code page 932 fragment to UTF-8 and writes it as SaveTagFile does.
Status SaveHtml5TagFile(std::string_view fragment, const std::filesystem::path& path);

} // namespace quillet
