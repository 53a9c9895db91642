#include "platform/Utf8Address.h"

#include "platform/CodePage932.h"

#include <cstdint>

namespace quillet {
namespace {

// The length of the well-formed character at `pos`, 0 when none starts there; the code
// point goes to `codePoint`.
std::size_t DecodeOne(std::string_view bytes, std::size_t pos, char32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[pos + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > bytes.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < lowest || codePoint > 0x10FFFF || surrogate) {
        return 0;
    }
    return length;
}

void AppendPercentEncoded(std::string& out, std::string_view bytes) {
    constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : bytes) {
        const auto value = static_cast<unsigned char>(c);
        out += '%';
        out += kHex[value >> 4];
        out += kHex[value & 0x0F];
    }
}

} // namespace

bool IsUtf8(std::string_view bytes) {
    char32_t codePoint = 0;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t length = DecodeOne(bytes, pos, codePoint);
        if (length == 0) {
            return false;
        }
        pos += length;
    }
    return true;
}

std::string AddressFromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    char32_t codePoint = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t length = DecodeOne(utf8, pos, codePoint);
        if (length == 0) {
            AppendPercentEncoded(out, utf8.substr(pos, 1));
            ++pos;
            continue;
        }
        const std::uint16_t code = codePoint < 0x80 ? codePoint : cp932::CodeOf(codePoint);
        if (code == 0 && codePoint != 0) {
            AppendPercentEncoded(out, utf8.substr(pos, length));
        } else {
            if (code > 0xFF) {
                out += static_cast<char>(code >> 8);
            }
            out += static_cast<char>(code & 0xFF);
        }
        pos += length;
    }
    return out;
}

} // namespace quillet
