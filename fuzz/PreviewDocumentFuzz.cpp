// The preview's reading of a fragment: any bytes, as a user symbol may hold them, give a
// document whose blocks name only its own pictures and whose texts read back unchanged.
#include "fuzz/FuzzInput.h"
#include "platform/CodePage932.h"
#include "preview/PreviewDocument.h"

#include <string>

using quillet::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fragment(reinterpret_cast<const char*>(data), size);
    const quillet::PreviewDocument document = quillet::MakePreviewDocument(
        fragment, [](std::string_view face) { return face.size() % 2 == 0; });
    for (const quillet::PreviewBlock& shown : document.Blocks) {
        const std::string html = quillet::RichTextOf(shown);
        Require(quillet::cp932::FromUtf16(quillet::cp932::ToUtf16(html)) == html,
                "a block's text is whole code page 932", html);
        // Names count up from 0, so the first one past the end must not appear. A text may
        // hold the name; only an image element uses it.
        Require(html.find("<img src=\"" + quillet::PreviewImageName(document.Images.size()) +
                          "\"") == std::string::npos,
                "a block names only the document's pictures", html);
    }
    return 0;
}
