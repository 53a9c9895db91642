#include "platform/TextCodec.h"

#include <gtest/gtest.h>

using namespace quillet;

namespace {

// This file is compiled as UTF-8, so code page 932 bytes are spelled as escapes.
const std::string kHeartCp932 = "\x83\x6E\x81\x5B\x83\x67"; // ハート

TEST(TextCodec, CodePageTextShowsAsItsCharactersAndComesBackUnchanged) {
    const QString shown = FromCp932(kHeartCp932 + "<b>");
    EXPECT_EQ(shown, QString::fromUtf8("ハート<b>"));
    EXPECT_EQ(ToCp932(shown), kHeartCp932 + "<b>");
}

TEST(TextCodec, StrayBytesSurviveAQStringEdit) {
    QString shown = FromCp932("\xFF\x81");
    shown.prepend(QLatin1Char('x'));
    EXPECT_EQ(ToCp932(shown), "x\xFF\x81");
}

TEST(TextCodec, TypedCharactersOutsideTheCodePageBecomeReferences) {
    EXPECT_EQ(ToCp932(QString::fromUtf8("café 😀")), "caf&#233; &#128512;");
}

} // namespace
