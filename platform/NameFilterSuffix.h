#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillet {

// The extension a chooser's name filter stands for: "HTMLドキュメント (*.htm)" gives "htm";
// a filter for every file ("*.*") or without a pattern gives the empty text.
std::string NameFilterSuffix(std::string_view filter);

// A name typed without an extension gets the chosen filter's, or `fallback` when the
// filter stands for every file. A name with one is kept as typed.
std::filesystem::path WithFilterSuffix(const std::filesystem::path& path, std::string_view filter,
                                       std::string_view fallback);

} // namespace quillet
