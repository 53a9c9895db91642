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

TEST(Folders, DataHomeIsXdgDataHomeWhenAbsoluteElseDotLocalShare) {
    const ScopedEnvironment home("HOME", "/home/writer");
    const ScopedEnvironment relative("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(DataHome(), "/home/writer/.local/share");
    const ScopedEnvironment data("XDG_DATA_HOME", "/somewhere/data");
    EXPECT_EQ(DataHome(), "/somewhere/data");
}

TEST(Folders, InstalledDataFolderOnlyForBinBesideShareQuillet) {
    const TemporaryFolder prefix;
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "build" / "app");
    EXPECT_EQ(InstalledDataFolder(prefix / "bin" / "quillet"), std::nullopt);
    fs::create_directories(prefix / "share" / "quillet");
    EXPECT_EQ(InstalledDataFolder(prefix / "bin" / "quillet"), prefix / "share" / "quillet");
    // A build tree or an unpacked folder is not an installation, whatever lies around it.
    EXPECT_EQ(InstalledDataFolder(prefix / "build" / "app" / "quillet"), std::nullopt);
    EXPECT_EQ(InstalledDataFolder(prefix / "quillet"), std::nullopt);
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
