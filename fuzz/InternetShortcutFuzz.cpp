// Internet shortcuts: the address read from any file is the document's value (of the file
// read as UTF-8 when it carries a byte order mark or is well-formed UTF-8 beyond ASCII),
// cut at a character boundary to the longest address taken, with the characters that
// would end the link's attribute value percent-encoded.
#include "fuzz/FuzzInput.h"
#include "platform/CodePage932.h"
#include "platform/InternetShortcut.h"
#include "platform/ProfileDocument.h"
#include "platform/UniqueFd.h"
#include "platform/Utf8Address.h"

#include <algorithm>

#include <sys/mman.h>

#include <string>

using quillet::fuzz::Require;

namespace {

// The characters that would end a quoted attribute value, percent-encoded.
std::string AttributeSafe(std::string_view text) {
    std::string safe;
    for (const char c : text) {
        safe += c == '"' ? "%22" : c == '<' ? "%3C" : c == '>' ? "%3E" : std::string(1, c);
    }
    return safe;
}

// The text of the document as the reader takes it.
std::string DocumentText(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const bool marked = bytes.starts_with(kByteOrderMark);
    if (marked) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    const bool beyondAscii =
        std::ranges::any_of(bytes, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return marked || (beyondAscii && quillet::IsUtf8(bytes)) ? quillet::AddressFromUtf8(bytes)
                                                             : std::string(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A file in memory: the reader opens it by path like any shortcut.
    const quillet::UniqueFd file(::memfd_create("shortcut.url", 0));
    Require(file.Get() >= 0, "a file in memory");
    for (std::size_t done = 0; done < size;) {
        const ssize_t written = ::write(file.Get(), data + done, size - done);
        Require(written > 0, "the shortcut is written");
        done += static_cast<std::size_t>(written);
    }
    const std::string url =
        quillet::ReadInternetShortcutUrl("/proc/self/fd/" + std::to_string(file.Get()));

    const std::string whole =
        quillet::ProfileDocument(
            DocumentText(std::string_view(reinterpret_cast<const char*>(data), size)))
            .String("InternetShortcut", "URL", "");
    // The last character boundary within the limit.
    std::size_t cut = 0;
    while (cut < whole.size() &&
           cut + quillet::cp932::CharLength(whole, cut) <= quillet::kMaxShortcutUrlBytes) {
        cut += quillet::cp932::CharLength(whole, cut);
    }
    Require(url == AttributeSafe(whole.substr(0, cut)),
            "the address is the document's value, cut between characters at the limit", url);
    Require(url.find_first_of("\"<>") == std::string::npos,
            "nothing in the address ends the attribute value", url);
    return 0;
}
