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
