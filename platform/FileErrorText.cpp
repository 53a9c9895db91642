#include "platform/FileErrorText.h"

#include <QFile>

#include <array>
#include <cerrno>

namespace quillet {
namespace {

struct Reason {
    int errorNumber;
    const char* text; // UTF-8
};

constexpr auto kReasons = std::to_array<Reason>({
    {EACCES, "アクセスが拒否されました。"},
    {EPERM, "この操作は許可されていません。"},
    {EROFS, "読み取り専用の場所には書き込めません。"},
    {ENOSPC, "ディスクの空き領域が足りません。"},
    {EDQUOT, "ディスクの割り当てを超えました。"},
    {EFBIG, "ファイルが大きすぎます。"},
    {ENOENT, "ファイルまたはフォルダーが見つかりません。"},
    {ENOTDIR, "パスの途中にフォルダーではないものがあります。"},
    {EISDIR, "同じ名前のフォルダーがあります。"},
    {ENAMETOOLONG, "ファイル名が長すぎます。"},
    {ELOOP, "シンボリック リンクが多すぎるか、循環しています。"},
    {EIO, "ディスクの読み書き中にエラーが発生しました。"},
    {ENOMEM, "メモリが足りません。"},
    {EMFILE, "開いているファイルが多すぎます。"},
    {ENFILE, "開いているファイルが多すぎます。"},
    {EBUSY, "ファイルが使用中です。"},
    {ETXTBSY, "ファイルが使用中です。"},
    {EXDEV, "別のディスクへは移せません。"},
    {EINVAL, "この場所では使えないファイル名です。"},
    {EEXIST, "同じ名前のファイルがあります。"},
    {EMLINK, "リンクが多すぎます。"},
    {ENXIO, "デバイスが見つかりません。"},
    {ENODEV, "デバイスが見つかりません。"},
    {EAGAIN, "一時的に使用できません。もう一度お試しください。"},
    {EINTR, "操作が中断されました。"},
    {ETIMEDOUT, "応答がありません。"},
    {ESTALE, "ネットワーク上のファイルが見つからなくなりました。"},
    {EOVERFLOW, "ファイルが大きすぎます。"},
    {kNotRegularFile, "通常のファイルではありません (デバイスやパイプなど)。"},
    {kUnstorableText, "ファイルに保存できない文字 (改行など) を含む値があります。"},
});

// Each verb with the particle its object takes.
QString Failed(FileError::Step step) {
    switch (step) {
    case FileError::Step::Open:
        return QStringLiteral("を開けませんでした。");
    case FileError::Step::Read:
        return QStringLiteral("を読み込めませんでした。");
    case FileError::Step::Create:
        return QStringLiteral("を作成できませんでした。");
    case FileError::Step::Write:
    case FileError::Step::Sync:
        return QStringLiteral("に書き込めませんでした。");
    case FileError::Step::Replace:
        return QStringLiteral("を置き換えられませんでした。");
    case FileError::Step::Remove:
        return QStringLiteral("を削除できませんでした。");
    }
    return QStringLiteral("を処理できませんでした。");
}

} // namespace

QString FileErrorReason(int errorNumber) {
    for (const Reason& reason : kReasons) {
        if (reason.errorNumber == errorNumber) {
            return QString::fromUtf8(reason.text);
        }
    }
    return QStringLiteral("予期しないエラーが発生しました (エラー番号 %1)。").arg(errorNumber);
}

QString FileErrorText(const QString& what, const FileError& error) {
    QString text = what + QStringLiteral("「") + QFile::decodeName(error.path.c_str()) +
                   QStringLiteral("」") + Failed(error.step);
    if (error.errorNumber != 0) {
        text += QLatin1Char('\n') + FileErrorReason(error.errorNumber);
    }
    if (error.oldFileKept) {
        text += QStringLiteral("\n元のファイルは変更されていません。");
    }
    return text;
}

} // namespace quillet
