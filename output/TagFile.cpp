#include "output/TagFile.h"

#include "platform/AtomicFile.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace quillet {
namespace {

constexpr std::string_view kDocumentHead = "<HTML>\n<BODY>\n";
constexpr std::string_view kDocumentTail = "\n</BODY>\n</HTML>\n";

struct Reason {
    int errorNumber;
    std::string_view text;
};

constexpr auto kReasons = std::to_array<Reason>({
    {EACCES, "アクセスが拒否されました。"},
    {EPERM, "アクセスが拒否されました。"},
    {EROFS, "読み取り専用の場所には書き込めません。"},
    {ENOSPC, "ディスクの空き領域が足りません。"},
    {EDQUOT, "ディスクの割り当てを超えました。"},
    {EFBIG, "ファイルが大きすぎます。"},
    {ENOENT, "フォルダーが見つかりません。"},
    {ENOTDIR, "パスの途中にフォルダーではないものがあります。"},
    {EISDIR, "同じ名前のフォルダーがあります。"},
    {ENAMETOOLONG, "ファイル名が長すぎます。"},
    {EIO, "ディスクの読み書き中にエラーが発生しました。"},
});

void AppendCrLf(std::string_view text, std::string& out) {
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
}

} // namespace

std::string SaveFileContents(std::string_view fragment, const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    const std::size_t dot = name.rfind('.');
    const bool document = dot != std::string::npos && name.compare(dot + 1, name.npos, "htm") == 0;

    std::string contents;
    // Room for the wrapper and a few carriage returns; a fragment holds no line feeds.
    contents.reserve(fragment.size() + kDocumentHead.size() + kDocumentTail.size() + 8);
    if (document) {
        AppendCrLf(kDocumentHead, contents);
    }
    AppendCrLf(fragment, contents);
    if (document) {
        AppendCrLf(kDocumentTail, contents);
    }
    return contents;
}

Status SaveTagFile(std::string_view fragment, const std::filesystem::path& path) {
    // Replacing a link by a file of its own would cut the link; write where it points.
    std::error_code error;
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(path, error)) {
        const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, error);
        if (!error) {
            target = resolved;
        }
    }
    return WriteFileAtomically(target, SaveFileContents(fragment, path));
}

std::string FileErrorReason(const FileError& error) {
    for (const Reason& reason : kReasons) {
        if (reason.errorNumber == error.errorNumber) {
            return std::string(reason.text);
        }
    }
    // The system's own words are English; they still tell an expert what happened.
    return std::string("予期しないエラーです (") + std::strerror(error.errorNumber) + ")。";
}

} // namespace quillet
