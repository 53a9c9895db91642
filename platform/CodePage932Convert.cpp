#include "platform/CodePage932.h"

#include <array>
#include <cstdint>
#include <iconv.h>
#include <memory>
#include <vector>

namespace quillet::cp932 {
namespace {

// Both directions of the code page as flat tables, built once from the C library's
// converter and never changed afterwards.
class Tables {
public:
    Tables() : m_decode(65536, 0), m_encode(65536, 0) {
        for (unsigned byte = 0; byte < 0x80; ++byte) {
            m_decode[byte] = static_cast<char16_t>(byte);
        }
        for (unsigned byte = 0xA1; byte <= 0xDF; ++byte) { // half-width katakana
            m_decode[byte] = static_cast<char16_t>(0xFF61 + (byte - 0xA1));
        }
        iconv_t toUnicode = iconv_open("UTF-16LE", "CP932");
        iconv_t fromUnicode = iconv_open("CP932", "UTF-16LE");
        if (toUnicode != reinterpret_cast<iconv_t>(-1)) {
            for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
                if (!IsLeadByte(static_cast<unsigned char>(lead))) {
                    continue;
                }
                for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                    if (trail == 0x7F) {
                        continue;
                    }
                    const char16_t unit = DecodePair(toUnicode, lead, trail);
                    // Only characters that survive the way back count; the rest stay raw bytes.
                    if (unit != 0 && (unit < 0xD800 || unit > 0xDFFF)) {
                        m_decode[(lead << 8) | trail] = unit;
                    }
                }
            }
            iconv_close(toUnicode);
        }
        for (unsigned code = 0; code < 65536; ++code) {
            const char16_t unit = m_decode[code];
            if (unit == 0 && code != 0) {
                continue;
            }
            if (code < 0x100) {
                m_encode[unit] = static_cast<std::uint16_t>(code);
            } else if (m_encode[unit] == 0) {
                m_encode[unit] = PreferredCode(fromUnicode, unit, static_cast<std::uint16_t>(code));
            }
        }
        if (fromUnicode != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(fromUnicode);
        }
        // The code page's own raw-byte stand-ins must not be taken for characters.
        for (unsigned byte = 0; byte < 0x100; ++byte) {
            m_encode[kRawByteBase + byte] = 0;
        }
    }

    // 0 when the code is no character (except code 0 itself).
    char16_t Decode(unsigned code) const { return m_decode[code]; }
    // 0 when the unit is no character of the code page (except U+0000).
    std::uint16_t Encode(char16_t unit) const { return m_encode[unit]; }

private:
    static char16_t DecodePair(iconv_t converter, unsigned lead, unsigned trail) {
        char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        char16_t out[4] = {};
        char* inPtr = in;
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t inLeft = 2;
        std::size_t outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            outLeft != sizeof out - 2) {
            return 0;
        }
        return out[0];
    }

    // Where a character has several codes, the converter's own choice wins.
    static std::uint16_t PreferredCode(iconv_t converter, char16_t unit, std::uint16_t fallback) {
        if (converter == reinterpret_cast<iconv_t>(-1)) {
            return fallback;
        }
        char16_t in[1] = {unit};
        unsigned char out[4] = {};
        char* inPtr = reinterpret_cast<char*>(in);
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t inLeft = 2;
        std::size_t outLeft = sizeof out;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            outLeft != sizeof out - 2) {
            return fallback;
        }
        return static_cast<std::uint16_t>((out[0] << 8) | out[1]);
    }

    std::vector<char16_t> m_decode;
    std::vector<std::uint16_t> m_encode;
};

const Tables& TheTables() {
    static const Tables tables;
    return tables;
}

void AppendReference(std::string& out, char32_t codePoint) {
    out += "&#";
    out += std::to_string(static_cast<std::uint32_t>(codePoint));
    out += ';';
}

} // namespace

std::u16string ToUtf16(std::string_view bytes) {
    const Tables& tables = TheTables();
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto first = static_cast<unsigned char>(bytes[pos]);
        if (IsLeadByte(first) && pos + 1 < bytes.size()) {
            const auto second = static_cast<unsigned char>(bytes[pos + 1]);
            const char16_t unit = tables.Decode((first << 8) | second);
            if (unit != 0) {
                text += unit;
                pos += 2;
                continue;
            }
        }
        const char16_t unit = tables.Decode(first);
        text += (unit != 0 || first == 0) ? unit : static_cast<char16_t>(kRawByteBase + first);
        ++pos;
    }
    return text;
}

std::string FromUtf16(std::u16string_view text) {
    const Tables& tables = TheTables();
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char16_t unit = text[pos];
        if (unit >= kRawByteBase + 0x80 && unit <= kRawByteBase + 0xFF) {
            bytes += static_cast<char>(unit - kRawByteBase);
            continue;
        }
        const std::uint16_t code = tables.Encode(unit);
        if (code != 0 || unit == 0) {
            if (code > 0xFF) {
                bytes += static_cast<char>(code >> 8);
            }
            bytes += static_cast<char>(code & 0xFF);
            continue;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF && pos + 1 < text.size() && text[pos + 1] >= 0xDC00 &&
            text[pos + 1] <= 0xDFFF) {
            const char32_t codePoint =
                0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[pos + 1] - 0xDC00);
            AppendReference(bytes, codePoint);
            ++pos;
            continue;
        }
        AppendReference(bytes, unit);
    }
    return bytes;
}

} // namespace quillet::cp932
