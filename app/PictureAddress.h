#pragma once

#include <filesystem>
#include <string>

namespace quillet {

// The address the image page gets for a picked file: relative to the folder the fragment
// is saved to when the picture lies under it, so the page and its pictures move together;
// else the picture's absolute path. Separators are '/'.
std::string PictureAddress(const std::filesystem::path& picture,
                           const std::filesystem::path& saveFolder);

} // namespace quillet
