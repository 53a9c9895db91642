#include "output/TagFile.h"

#include "platform/AtomicFile.h"

namespace quillet {
namespace {

constexpr std::string_view kDocumentHead = "<HTML>\n<BODY>\n";
constexpr std::string_view kDocumentTail = "\n</BODY>\n</HTML>\n";

void AppendCrLf(std::string_view text, std::string& out) {
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
}

} // namespace

bool WrapsInDocument(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    const std::size_t dot = name.rfind('.');
    return dot != std::string::npos && name.compare(dot + 1, name.npos, "htm") == 0;
}

std::string SaveFileContents(std::string_view fragment, const std::filesystem::path& path) {
    const bool document = WrapsInDocument(path);

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
    return WriteFileAtomically(path, SaveFileContents(fragment, path));
}

} // namespace quillet
