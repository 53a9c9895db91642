#include "output/Html5TagFile.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

using namespace quillet;
using quillet::test::TemporaryFolder;

namespace {

TEST(Html5TagFile, AnHtmFileIsAWholeUtf8DocumentTitledByItsStem) {
    EXPECT_EQ(Html5SaveFileContents("<b>x</b>", "/tmp/a & <b>.htm"),
              "<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
              "<title>a &amp; &lt;b></title>\r\n</head>\r\n<body>\r\n<b>x</b>\r\n</body>\r\n"
              "</html>\r\n");
    // A file name that is no UTF-8 still gives a UTF-8 title.
    EXPECT_NE(Html5SaveFileContents("", "/tmp/\x83y.htm").find("<title>\xEF\xBF\xBDy</title>"),
              std::string::npos);
}

TEST(Html5TagFile, OtherNamesHoldTheFragmentAlone) {
    for (const char* name : {"a.txt", "a.html", "a.HTM", "htm"}) {
        EXPECT_EQ(Html5SaveFileContents("<b>x</b>", name), "<b>x</b>") << name;
    }
}

TEST(Html5TagFile, SavingWritesUtf8WithoutAByteOrderMark) {
    const TemporaryFolder folder;
    ASSERT_TRUE(SaveHtml5TagFile("\x90\xE1&#9731;", folder / "a.txt"));
    EXPECT_EQ(folder.Read("a.txt"), "\xE9\x9B\xAA\xE2\x98\x83");
}

} // namespace
