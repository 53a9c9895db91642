#include "platform/FileErrorText.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cerrno>

namespace quillet {
namespace {

struct MessageCase {
    const char* behaviour;
    QString what;
    FileError error;
    QString expected;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.behaviour;
}

class FileErrorMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(FileErrorMessage, NamesTheFileTheFailedStepAndTheReasonInJapanese) {
    EXPECT_EQ(FileErrorText(GetParam().what, GetParam().error), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FileErrorMessage,
    ::testing::Values(
        MessageCase{"read",
                    QStringLiteral("ユーザー記号ファイル"),
                    {FileError::Step::Read, "/p/User.mrk", kNotRegularFile},
                    QStringLiteral("ユーザー記号ファイル「/p/User.mrk」を読み込めませんでした。\n"
                                   "通常のファイルではありません (デバイスやパイプなど)。")},
        MessageCase{
            "refused replacement",
            QStringLiteral("ユーザー記号ファイル"),
            {FileError::Step::Replace, "/p/User.mrk", EACCES, true},
            QStringLiteral("ユーザー記号ファイル「/p/User.mrk」を置き換えられませんでした。\n"
                           "アクセスが拒否されました。\n"
                           "元のファイルは変更されていません。")},
        MessageCase{"new file",
                    QString(),
                    {FileError::Step::Create, "/p/ページ.txt", ENOENT},
                    QStringLiteral("「/p/ページ.txt」を作成できませんでした。\n"
                                   "ファイルまたはフォルダーが見つかりません。")},
        MessageCase{"no reason known",
                    QStringLiteral("ヘルプ"),
                    {FileError::Step::Open, "/h/index.html", 0},
                    QStringLiteral("ヘルプ「/h/index.html」を開けませんでした。")}));

// The system's own words are English; none of them may reach the user.
TEST(FileErrorReason, IsJapaneseForEveryErrorNumber) {
    for (int number = kUnstorableText; number < 140; ++number) {
        const QString reason = FileErrorReason(number);
        EXPECT_FALSE(reason.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            << number << ": " << reason.toStdString();
    }
}

} // namespace
} // namespace quillet
