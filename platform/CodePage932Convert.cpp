#include "platform/CodePage932.h"

#include <array>
#include <cstdint>
#include <iconv.h>
#include <vector>

namespace quillet::cp932 {
namespace {

// The same characters as the code page's, as converters that follow the JIS mapping of
// Shift_JIS write them; text pasted from such programs keeps them as characters.
constexpr std::array<std::pair<char16_t, std::uint16_t>, 6> kJisVariants{{
    {u'\u301C', 0x8160}, // wave dash
    {u'\u2016', 0x8161}, // double vertical line
    {u'\u2212', 0x817C}, // minus sign
    {u'\u00A2', 0x8191}, // cent sign
    {u'\u00A3', 0x8192}, // pound sign
    {u'\u00AC', 0x81CA}, // not sign
}};

constexpr char16_t kReplacement = 0xFFFD;

// Trail bytes start at 0x40; no single byte below that is ever kept raw.
bool IsRawByteUnit(char16_t unit) {
    return unit >= kRawByteBase + 0x40 && unit <= kRawByteBase + 0xFF;
}

char16_t RawByteUnit(unsigned char byte) {
    return static_cast<char16_t>(kRawByteBase + byte);
}

// A converter handle that is closed when it goes out of scope.
class Converter {
public:
    Converter(const char* to, const char* from) : m_handle(iconv_open(to, from)) {}
    ~Converter() {
        if (IsOpen()) {
            iconv_close(m_handle);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool IsOpen() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in`; the number of output bytes, or -1 on failure.
    long Convert(const void* in, std::size_t inSize, void* out, std::size_t outSize) const {
        if (!IsOpen()) {
            return -1;
        }
        char* inPtr = static_cast<char*>(const_cast<void*>(in));
        char* outPtr = static_cast<char*>(out);
        std::size_t inLeft = inSize;
        std::size_t outLeft = outSize;
        iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        if (iconv(m_handle, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0) {
            return -1;
        }
        return static_cast<long>(outSize - outLeft);
    }

private:
    iconv_t m_handle;
};

// Both directions of the code page as flat tables, built once from the C library's
// converter and never changed afterwards. A code decodes to a character only when that
// character encodes back to the same code, so that every byte string survives the round
// trip: the second codes of characters that the code page holds twice stay raw bytes.
class Tables {
public:
    Tables() : m_decode(65536, 0), m_encode(65536, 0), m_secondCode(65536, false) {
        for (unsigned byte = 1; byte < 0x80; ++byte) {
            Map(byte, static_cast<char16_t>(byte));
        }
        for (unsigned byte = 0xA1; byte <= 0xDF; ++byte) { // half-width katakana
            Map(byte, static_cast<char16_t>(0xFF61 + (byte - 0xA1)));
        }

        const Converter toUnicode("UTF-16LE", "CP932");
        const Converter fromUnicode("CP932", "UTF-16LE");
        std::vector<char16_t> candidates(65536, 0);
        for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead))) {
                continue;
            }
            for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
                const unsigned char in[2] = {static_cast<unsigned char>(lead),
                                             static_cast<unsigned char>(trail)};
                char16_t out[2] = {};
                if (toUnicode.Convert(in, 2, out, sizeof out) == 2 && !IsSurrogate(out[0]) &&
                    !IsRawByteUnit(out[0]) && out[0] != 0) {
                    candidates[(lead << 8) | trail] = out[0];
                }
            }
        }
        for (unsigned code = 0x8100; code < 0x10000; ++code) {
            const char16_t unit = candidates[code];
            if (unit == 0 || m_encode[unit] != 0) {
                continue;
            }
            const unsigned owner = PreferredCode(fromUnicode, unit, candidates);
            Map(owner != 0 ? owner : code, unit);
        }
        for (unsigned code = 0x8100; code < 0x10000; ++code) {
            m_secondCode[code] = candidates[code] != 0 && m_decode[code] == 0;
        }

        for (const auto& [unit, code] : kJisVariants) {
            if (m_encode[unit] == 0) {
                m_encode[unit] = static_cast<std::uint16_t>(code);
            }
        }
    }

    // 0 when the code is no character (except code 0 itself).
    char16_t Decode(unsigned code) const { return m_decode[code]; }
    // 0 when the unit is no character of the code page (except U+0000).
    std::uint16_t Encode(char16_t unit) const { return m_encode[unit]; }
    // A further code of a character whose decoding belongs to another code.
    bool IsSecondCode(unsigned code) const { return m_secondCode[code]; }

private:
    static bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

    void Map(unsigned code, char16_t unit) {
        m_decode[code] = unit;
        m_encode[unit] = static_cast<std::uint16_t>(code);
    }

    // The code the converter itself writes for `unit`, when that code also reads back as
    // `unit`; 0 otherwise, and the lowest such code is taken.
    static unsigned PreferredCode(const Converter& converter, char16_t unit,
                                  const std::vector<char16_t>& candidates) {
        unsigned char out[4] = {};
        if (converter.Convert(&unit, sizeof unit, out, sizeof out) != 2) {
            return 0;
        }
        const unsigned code = (out[0] << 8) | out[1];
        return candidates[code] == unit ? code : 0;
    }

    std::vector<char16_t> m_decode;
    std::vector<std::uint16_t> m_encode;
    std::vector<bool> m_secondCode;
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

std::uint16_t CodeOf(char32_t character) {
    // Raw bytes are the decoder's own stand-ins, not characters of the code page.
    if (character > 0xFFFF || IsRawByteUnit(static_cast<char16_t>(character))) {
        return 0;
    }
    return TheTables().Encode(static_cast<char16_t>(character));
}

std::u16string ToUtf16(std::string_view bytes) {
    const Tables& tables = TheTables();
    // Never more units than bytes; written in place, as the preview converts a whole
    // fragment on every keystroke.
    std::u16string text(bytes.size(), u'\0');
    char16_t* out = text.data();
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto first = static_cast<unsigned char>(bytes[pos]);
        if (IsLeadByte(first) && pos + 1 < bytes.size()) {
            const auto second = static_cast<unsigned char>(bytes[pos + 1]);
            const unsigned code = (first << 8) | second;
            if (const char16_t unit = tables.Decode(code); unit != 0) {
                *out++ = unit;
                pos += 2;
                continue;
            }
            // Both bytes raw, even where the trail byte alone would read as "@" or "ｱ": the
            // field shows one character it cannot name, not a stray letter after it.
            if (tables.IsSecondCode(code)) {
                *out++ = RawByteUnit(first);
                *out++ = RawByteUnit(second);
                pos += 2;
                continue;
            }
        }
        const char16_t unit = tables.Decode(first);
        *out++ = (unit != 0 || first == 0) ? unit : RawByteUnit(first);
        ++pos;
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}

std::string FromUtf16(std::u16string_view text) {
    const Tables& tables = TheTables();
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char16_t unit = text[pos];
        if (IsRawByteUnit(unit)) {
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
        const bool highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
        if (highSurrogate && pos + 1 < text.size() && text[pos + 1] >= 0xDC00 &&
            text[pos + 1] <= 0xDFFF) {
            const char32_t codePoint =
                0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[pos + 1] - 0xDC00);
            AppendReference(bytes, codePoint);
            ++pos;
            continue;
        }
        // A surrogate without its partner is no character; a reference to it would not be
        // valid HTML.
        const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
        AppendReference(bytes, surrogate ? kReplacement : unit);
    }
    return bytes;
}

} // namespace quillet::cp932
