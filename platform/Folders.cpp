#include "platform/Folders.h"

#include <cstdlib>
#include <pwd.h>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace quillet {
namespace {

std::filesystem::path FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path HomeFromPasswordDatabase() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return {};
    }
    return found->pw_dir;
}

} // namespace

std::filesystem::path ExecutablePath() {
    std::error_code error;
    std::string path = std::filesystem::read_symlink("/proc/self/exe", error).string();
    if (error) {
        return {};
    }
    // The kernel marks an executable replaced on disk while it runs, as a rebuild does.
    constexpr std::string_view kDeleted = " (deleted)";
    if (path.ends_with(kDeleted)) {
        path.resize(path.size() - kDeleted.size());
    }
    return path;
}

std::filesystem::path HomeFolder() {
    const std::filesystem::path home = FromEnvironment("HOME");
    return home.empty() ? HomeFromPasswordDatabase() : home;
}

std::filesystem::path ConfigHome() {
    const std::filesystem::path config = FromEnvironment("XDG_CONFIG_HOME");
    if (config.is_absolute()) {
        return config;
    }
    return HomeFolder() / ".config";
}

std::filesystem::path DataHome() {
    const std::filesystem::path data = FromEnvironment("XDG_DATA_HOME");
    if (data.is_absolute()) {
        return data;
    }
    return HomeFolder() / ".local" / "share";
}

std::optional<std::filesystem::path> InstalledDataFolder(const std::filesystem::path& executable) {
    const std::filesystem::path bin = executable.parent_path();
    if (bin.filename() != "bin") {
        return std::nullopt;
    }
    std::error_code error;
    std::filesystem::path data = bin.parent_path() / "share" / "quillet";
    if (!std::filesystem::is_directory(data, error)) {
        return std::nullopt;
    }
    return data;
}

std::optional<std::filesystem::path> FavoritesFolder() {
    const std::filesystem::path home = HomeFolder();
    if (home.empty()) {
        return std::nullopt;
    }
    std::error_code error;
    std::filesystem::path favorites = home / "Favorites";
    if (!std::filesystem::is_directory(favorites, error)) {
        return std::nullopt;
    }
    return favorites;
}

} // namespace quillet
