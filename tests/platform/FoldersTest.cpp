#include "platform/Folders.h"

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace quillet;
using quillet::test::ScopedEnvironment;
using quillet::test::TemporaryFolder;

namespace {

TEST(Folders, ExecutablePathIsTheRunningProgram) {
    EXPECT_EQ(ExecutablePath().filename(), "platform_tests");
}

TEST(Folders, ConfigHomeIsXdgConfigHomeWhenAbsoluteElseDotConfig) {
    const ScopedEnvironment home("HOME", "/home/writer");
    for (const char* unusable : {"", "relative/config"}) {
        const ScopedEnvironment config("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(ConfigHome(), "/home/writer/.config") << unusable;
    }
    const ScopedEnvironment config("XDG_CONFIG_HOME", "/somewhere/config");
    EXPECT_EQ(ConfigHome(), "/somewhere/config");
}

TEST(Folders, FavoritesFolderOnlyWhenItIsAFolder) {
    const TemporaryFolder folder;
    const ScopedEnvironment home("HOME", folder.Path().string());
    EXPECT_EQ(FavoritesFolder(), std::nullopt);
    folder.Write("Favorites", "a file, not a folder");
    EXPECT_EQ(FavoritesFolder(), std::nullopt);
    fs::remove(folder / "Favorites");
    fs::create_directory(folder / "Favorites");
    EXPECT_EQ(FavoritesFolder(), folder / "Favorites");
}

} // namespace
