#include "platform/InternetShortcut.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

using namespace quillet;
using quillet::test::TemporaryFolder;

namespace {

TEST(InternetShortcut, ReadsTheAddressOrEmptyText) {
    const TemporaryFolder folder;
    EXPECT_EQ(ReadInternetShortcutUrl(folder.Write("News.url", "[DEFAULT]\r\n"
                                                               "BASEURL=http://example.com/\r\n"
                                                               "[InternetShortcut]\r\n"
                                                               "URL=http://example.com/n?a=1\r\n")),
              "http://example.com/n?a=1");
    EXPECT_EQ(ReadInternetShortcutUrl(folder / "missing.url"), "");
    EXPECT_EQ(ReadInternetShortcutUrl(folder.Write("a.url", "[DEFAULT]\r\nURL=x\r\n")), "");
    EXPECT_EQ(ReadInternetShortcutUrl(folder.Write("b.png", "\x89PNG\r\n\x1a\n")), "");
}

TEST(InternetShortcut, CharactersThatWouldLeaveTheQuotedAttributeArePercentEncoded) {
    const TemporaryFolder folder;
    EXPECT_EQ(ReadInternetShortcutUrl(
                  folder.Write("q.url", "[InternetShortcut]\r\nURL=http://x/?q=\"a\"<b>&c=表\r\n")),
              "http://x/?q=%22a%22%3Cb%3E&c=表");
}

// "表" is E8 A1 A8 in UTF-8; "한" (ED 95 9C) and the emoji have no code in the code page.
TEST(InternetShortcut, UnicodeAndCodePageFilesGiveTheSameAddress) {
    const TemporaryFolder folder;
    const struct {
        const char* name;
        std::string bytes;
        std::string address;
    } cases[] = {
        {"cp932.url", "[InternetShortcut]\r\nURL=http://x/表\r\n", "http://x/表"},
        {"utf8.url", "[InternetShortcut]\nURL=http://x/\xE8\xA1\xA8\n", "http://x/表"},
        {"bom.url", "\xEF\xBB\xBF[InternetShortcut]\r\nURL=http://x/\xE8\xA1\xA8\r\n",
         "http://x/表"},
        {"bom-ascii.url", "\xEF\xBB\xBF[InternetShortcut]\r\nURL=http://x/a\r\n", "http://x/a"},
        {"beyond.url",
         "[InternetShortcut]\nURL=http://x/\xED\x95\x9C\xE8\xA1\xA8?\xF0\x9F\x98\x80\n",
         "http://x/%ED%95%9C表?%F0%9F%98%80"},
        {"bom-broken.url", "\xEF\xBB\xBF[InternetShortcut]\nURL=http://x/\xC0\xAF\n",
         "http://x/%C0%AF"},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(ReadInternetShortcutUrl(folder.Write(row.name, row.bytes)), row.address)
            << row.name;
    }
}

TEST(InternetShortcut, LongAddressIsCutTo4999BytesBetweenCharacters) {
    const TemporaryFolder folder;
    const std::string ascii(6000, 'a');
    const std::string japanese = std::string(4998, 'a') + "記号";
    EXPECT_EQ(ReadInternetShortcutUrl(
                  folder.Write("a.url", "[InternetShortcut]\r\nURL=" + ascii + "\r\n")),
              ascii.substr(0, 4999));
    EXPECT_EQ(ReadInternetShortcutUrl(
                  folder.Write("j.url", "[InternetShortcut]\r\nURL=" + japanese + "\r\n")),
              std::string(4998, 'a'));
}

} // namespace
