#include "app/AppSettings.h"

#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <climits>

namespace fs = std::filesystem;
using namespace quillet;
using quillet::test::ScopedEnvironment;
using quillet::test::TemporaryFolder;

namespace {

const std::string kFirstStartFile = "[Window]\r\n"
                                    "WindowWidth=200\r\n"
                                    "WindowHeight=200\r\n"
                                    "WindowTop=0\r\n"
                                    "WindowSource=0\r\n"
                                    "TabPage=0\r\n"
                                    "ToolBarIndex=0\r\n"
                                    "WindowPreview=0\r\n"
                                    "OutputStyle=0\r\n"
                                    "SaveFolder=\r\n"
                                    "SourceRect=\r\n"
                                    "PreviewRect=\r\n"
                                    "[Mark]\r\n"
                                    "TypeIndex=トランプ\r\n"
                                    "ColumnName=80\r\n"
                                    "ColumnType=60\r\n"
                                    "ColumnContent=200\r\n";

TEST(AppSettings, FirstStartReadsTheDefaultsAndWritesEveryKeyInTwoSections) {
    const TemporaryFolder folder;
    const fs::path ini = folder / "config" / "quillet" / "quillet.INI";
    const AppSettings settings = LoadSettings(ini);
    EXPECT_EQ(settings, DefaultSettings());
    ASSERT_TRUE(SaveSettings(settings, ini));
    EXPECT_EQ(folder.Read("config/quillet/quillet.INI"), kFirstStartFile);
}

TEST(AppSettings, RoundTripKeepsEveryValue) {
    const TemporaryFolder folder;
    const geom::Rect source = geom::Rect::OfSize(-1280, 24, 300, 200);
    const geom::Rect preview = geom::Rect::OfSize(0, 0, 1, 100'000);
    AppSettings settings{
        512,     333,  true, true,           6,      2,      "ユーザー定義", 120, 0,
        INT_MAX, true, 1,    "/home/u/保存", source, preview};
    ASSERT_TRUE(SaveSettings(settings, folder / "q.INI"));
    EXPECT_EQ(LoadSettings(folder / "q.INI"), settings);
    // A folder that cannot be written as one line is forgotten; the rest is kept.
    settings.SaveFolder = "/a\nb";
    ASSERT_TRUE(SaveSettings(settings, folder / "q.INI"));
    settings.SaveFolder.clear();
    EXPECT_EQ(LoadSettings(folder / "q.INI"), settings);
}

TEST(AppSettings, OutOfRangeNumbersAreStoredAsReadAndSwitchesOtherThanOneReadOff) {
    const TemporaryFolder folder;
    const std::string file = "[Window]\r\nWindowWidth=100\r\nWindowHeight=150\r\nWindowTop=5\r\n"
                             "WindowSource=-1\r\nTabPage=9\r\nToolBarIndex=-3\r\n"
                             "WindowPreview=7\r\n"
                             "OutputStyle=3\r\nSaveFolder=/gone\r\n"
                             "SourceRect=10,20,0,30\r\nPreviewRect=1,2,3\r\n"
                             "[Mark]\r\nTypeIndex=no such filter\r\nColumnName=-80\r\n"
                             "ColumnType=70000\r\nColumnContent=2147483647\r\n";
    const fs::path ini = folder.Write("q.INI", file);
    const AppSettings settings = LoadSettings(ini);
    EXPECT_EQ(settings, (AppSettings{100, 150, false, false, 9, -3, "no such filter", -80, 70000,
                                     INT_MAX, false, 3, "/gone", std::nullopt, std::nullopt}));
    ASSERT_TRUE(SaveSettings(settings, ini));
    EXPECT_EQ(folder.Read("q.INI"),
              "[Window]\r\nWindowWidth=100\r\nWindowHeight=150\r\nWindowTop=0\r\n"
              "WindowSource=0\r\nTabPage=9\r\nToolBarIndex=-3\r\n"
              "WindowPreview=0\r\nOutputStyle=3\r\nSaveFolder=/gone\r\n"
              "SourceRect=\r\nPreviewRect=\r\n"
              "[Mark]\r\nTypeIndex=no such filter\r\nColumnName=-80\r\n"
              "ColumnType=70000\r\nColumnContent=2147483647\r\n");
}

TEST(AppSettings, WindowPlaceIsFourNumbersInRangeOrNone) {
    const TemporaryFolder folder;
    const struct {
        const char* value;
        std::optional<geom::Rect> place;
    } cases[] = {
        {" -5 , 7,300 ,200", geom::Rect::OfSize(-5, 7, 300, 200)},
        {"-1000000,1000000,100000,1", geom::Rect::OfSize(-1'000'000, 1'000'000, 100'000, 1)},
        {"", std::nullopt},
        {"1,2,3,4,5", std::nullopt},
        {"1,2,3,4x", std::nullopt},
        {"1;2;3;4", std::nullopt},
        {"a,b,c,d", std::nullopt},
        {"+1,2,3,4", std::nullopt},
        {"1000001,0,10,10", std::nullopt},
        {"0,0,100001,10", std::nullopt},
        {"0,0,10,-10", std::nullopt},
        {"99999999999,0,10,10", std::nullopt},
    };
    for (const auto& c : cases) {
        const fs::path ini =
            folder.Write("q.INI", std::string("[Window]\r\nPreviewRect=") + c.value + "\r\n");
        EXPECT_EQ(LoadSettings(ini).PreviewRect, c.place) << c.value;
    }
}

TEST(AppSettings, MissingKeysTakeTheirDefaultsOneByOne) {
    const TemporaryFolder folder;
    const fs::path ini =
        folder.Write("q.INI", "[mark]\r\ncolumntype = 99\r\n[Window]\r\nTabPage=3");
    AppSettings expected = DefaultSettings();
    expected.ColumnType = 99;
    expected.TabPage = 3;
    EXPECT_EQ(LoadSettings(ini), expected);
}

TEST(AppSettings, SaveKeepsCommentsAndUnknownKeysAndAddsTheMissingOnes) {
    const TemporaryFolder folder;
    const fs::path ini = folder.Write("q.INI", "; mine\r\n[Window]\r\nExtra=1\r\n"
                                               "windowwidth = 400\r\n\r\n[Other]\r\nKeep=yes\r\n");
    AppSettings settings = LoadSettings(ini);
    EXPECT_EQ(settings.WindowWidth, 400);
    settings.WindowWidth = 410;
    ASSERT_TRUE(SaveSettings(settings, ini));
    EXPECT_EQ(folder.Read("q.INI"),
              "; mine\r\n[Window]\r\nExtra=1\r\nwindowwidth = 410\r\nWindowHeight=200\r\n"
              "WindowTop=0\r\nWindowSource=0\r\nTabPage=0\r\nToolBarIndex=0\r\n"
              "WindowPreview=0\r\nOutputStyle=0\r\nSaveFolder=\r\nSourceRect=\r\n"
              "PreviewRect=\r\n\r\n"
              "[Other]\r\nKeep=yes\r\n[Mark]\r\nTypeIndex=トランプ\r\nColumnName=80\r\n"
              "ColumnType=60\r\nColumnContent=200\r\n");
    EXPECT_EQ(folder.EntryCount(), 1u);
}

TEST(AppSettings, FilePathIsInTheConfigFolderNamedAfterTheExecutable) {
    const TemporaryFolder folder;
    const ScopedEnvironment home("HOME", (folder / "home").string());
    {
        const ScopedEnvironment config("XDG_CONFIG_HOME", (folder / "config").string());
        EXPECT_EQ(SettingsFilePath(), folder / "config" / "quillet" / "app_tests.INI");
    }
    const ScopedEnvironment config("XDG_CONFIG_HOME", "");
    EXPECT_EQ(SettingsFilePath(), folder / "home" / ".config" / "quillet" / "app_tests.INI");
}

} // namespace
