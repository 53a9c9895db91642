#include "platform/NameFilterSuffix.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

TEST(NameFilterSuffix, ANameWithoutExtensionTakesTheChosenTypes) {
    struct Case {
        const char* typed;
        const char* filter;
        const char* saved;
    };
    const Case cases[] = {
        {"/d/frag", "HTMLドキュメント (*.htm)", "/d/frag.htm"},
        {"/d/frag", "テキスト文書 (*.txt)", "/d/frag.txt"},
        {"/d/frag", "すべてのファイル (*.*)", "/d/frag.txt"},
        {"/d/frag", "", "/d/frag.txt"},                       // no filter reported
        {"/d/frag", "Pictures (*.png *.jpg)", "/d/frag.png"}, // the first pattern
        {"/d/frag.html", "HTMLドキュメント (*.htm)", "/d/frag.html"},
        {"/d/a.b/frag", "HTMLドキュメント (*.htm)", "/d/a.b/frag.htm"},
        {"/d/.hidden", "HTMLドキュメント (*.htm)", "/d/.hidden.htm"},
        {"/d/", "HTMLドキュメント (*.htm)", "/d/"},
    };
    for (const Case& row : cases) {
        EXPECT_EQ(WithFilterSuffix(row.typed, row.filter, "txt"), row.saved)
            << row.typed << " " << row.filter;
    }
}

} // namespace
