#include "output/Html5TagFile.h"

#include "output/TagFile.h"
#include "platform/AtomicFile.h"
#include "platform/Utf8Text.h"

namespace quillet {
namespace {

// The stem as title text: markup characters escaped, and a name that is not UTF-8 (file
// names are bytes) with its other bytes replaced, so that the document stays UTF-8.
std::string TitleText(const std::filesystem::path& path) {
    const std::string stem = path.stem().string();
    const bool utf8 = IsValidUtf8(stem);
    std::string title;
    for (const char c : stem) {
        if (c == '&') {
            title += "&amp;";
        } else if (c == '<') {
            title += "&lt;";
        } else if (!utf8 && static_cast<unsigned char>(c) >= 0x80) {
            title += "\xEF\xBF\xBD";
        } else {
            title += c;
        }
    }
    return title;
}

} // namespace

std::string Html5SaveFileContents(std::string_view utf8Fragment,
                                  const std::filesystem::path& path) {
    if (!WrapsInDocument(path)) {
        return std::string(utf8Fragment);
    }
    std::string contents = "<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head>\r\n"
                           "<meta charset=\"utf-8\">\r\n<title>";
    contents += TitleText(path);
    contents += "</title>\r\n</head>\r\n<body>\r\n";
    contents += utf8Fragment;
    contents += "\r\n</body>\r\n</html>\r\n";
    return contents;
}

Status SaveHtml5TagFile(std::string_view fragment, const std::filesystem::path& path) {
    return WriteFileAtomically(path, Html5SaveFileContents(Utf8WithCharacters(fragment), path));
}

} // namespace quillet
