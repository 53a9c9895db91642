#include "output/TagFile.h"

#include "tests/support/FileWriteCases.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace quillet {
namespace {

struct ContentsCase {
    const char* path;
    const char* fragment;
    const char* expected;
};

class SaveFileContentsTest : public testing::TestWithParam<ContentsCase> {};

TEST_P(SaveFileContentsTest, WrapsOnlyHtmFilesAndWritesCrLf) {
    EXPECT_EQ(SaveFileContents(GetParam().fragment, GetParam().path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SaveFileContentsTest,
    testing::Values(ContentsCase{"page.htm", "<B>記号</B>",
                                 "<HTML>\r\n<BODY>\r\n<B>記号</B>\r\n</BODY>\r\n</HTML>\r\n"},
                    ContentsCase{"page.htm", "", "<HTML>\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>\r\n"},
                    ContentsCase{"page.txt", "<B>記号</B>", "<B>記号</B>"},
                    ContentsCase{"page.html", "<B>x</B>", "<B>x</B>"},
                    ContentsCase{"page.HTM", "<B>x</B>", "<B>x</B>"},
                    ContentsCase{"site.htm/page", "<B>x</B>", "<B>x</B>"},
                    ContentsCase{"page.txt", "a\nb\xFF", "a\r\nb\xFF"}));

TEST(SaveTagFile, ReplacesALongerFileEntirely) {
    const test::TemporaryFolder folder;
    const auto target = folder.Write("page.txt", std::string(1000, 'x'));
    ASSERT_TRUE(SaveTagFile("<B>a</B>", target));
    EXPECT_EQ(folder.Read("page.txt"), "<B>a</B>");
}

} // namespace

namespace test {

Status WriteUnderTest(const std::filesystem::path& path, std::string_view bytes) {
    return SaveTagFile(bytes, path);
}

INSTANTIATE_TEST_SUITE_P(SavedFragments, FileWriteCases, kFileWriteCases);

} // namespace test
} // namespace quillet
