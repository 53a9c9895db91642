// Internet shortcuts: the address read from any file is the document's value, cut at a
// character boundary to the longest address taken.
#include "fuzz/FuzzInput.h"
#include "platform/CodePage932.h"
#include "platform/InternetShortcut.h"
#include "platform/ProfileDocument.h"
#include "platform/UniqueFd.h"

#include <sys/mman.h>

#include <string>

using quillet::fuzz::Require;

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
        quillet::ProfileDocument(std::string_view(reinterpret_cast<const char*>(data), size))
            .String("InternetShortcut", "URL", "");
    Require(whole.starts_with(url), "the address is the document's value or its beginning");
    if (whole.size() <= quillet::kMaxShortcutUrlBytes) {
        Require(url == whole, "a short address is taken whole");
    } else {
        Require(url.size() + 1 >= quillet::kMaxShortcutUrlBytes, "cut at the limit");
        Require(url.size() <= quillet::kMaxShortcutUrlBytes, "never beyond the limit");
        std::size_t boundary = 0;
        while (boundary < url.size()) {
            boundary += quillet::cp932::CharLength(whole, boundary);
        }
        Require(boundary == url.size(), "cut between characters");
    }
    return 0;
}
