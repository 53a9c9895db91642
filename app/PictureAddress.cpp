#include "app/PictureAddress.h"

#include <algorithm>

namespace quillet {

std::string PictureAddress(const std::filesystem::path& picture,
                           const std::filesystem::path& saveFolder) {
    const std::filesystem::path file = picture.lexically_normal();
    if (saveFolder.empty() || !saveFolder.is_absolute()) {
        return file.generic_string();
    }
    // A trailing separator leaves an empty last element that every child lacks.
    std::filesystem::path folder = saveFolder.lexically_normal();
    if (folder.filename().empty()) {
        folder = folder.parent_path();
    }
    const auto [folderEnd, fileAt] =
        std::mismatch(folder.begin(), folder.end(), file.begin(), file.end());
    if (folderEnd != folder.end() || fileAt == file.end()) {
        return file.generic_string();
    }
    return file.lexically_relative(folder).generic_string();
}

} // namespace quillet
