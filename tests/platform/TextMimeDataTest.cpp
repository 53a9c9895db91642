#include "platform/TextMimeData.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(TextMimeData, CarriesUtf8AndTheExactCodePageBytesAndPrefersTheBytes) {
    // "あ" and a byte that is no character.
    const std::unique_ptr<QMimeData> data = MakeTextMimeData("\x82\xa0\xff");
    EXPECT_EQ(QString::fromUtf8(data->data(QStringLiteral("text/plain;charset=utf-8"))),
              QStringLiteral("あ\uF7FF"));
    const QString codePage = QStringLiteral("text/plain;charset=windows-31j");
    EXPECT_EQ(data->data(codePage), QByteArray("\x82\xa0\xff"));
    data->setData(codePage, QByteArray("\x82\xa0\0", 3));
    EXPECT_EQ(DroppedText(*data), QStringLiteral("あ")); // a terminating zero is not text
    data->removeFormat(codePage);
    EXPECT_EQ(DroppedText(*data), QStringLiteral("あ\uF7FF"));
}

} // namespace
} // namespace quillet
