// Code page 932 conversion: decoding keeps every byte, so encoding what it gives returns
// the very bytes; and any UTF-16 text encodes to bytes that decode and encode again alike.
#include "fuzz/FuzzInput.h"
#include "platform/CodePage932.h"

using quillet::fuzz::Require;
namespace cp932 = quillet::cp932;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string units = cp932::ToUtf16(bytes);
    Require(cp932::FromUtf16(units) == bytes, "decoding then encoding gives the bytes back");

    std::u16string text(size / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    const std::string encoded = cp932::FromUtf16(text);
    Require(cp932::FromUtf16(cp932::ToUtf16(encoded)) == encoded, "encoded text is stable");
    return 0;
}
