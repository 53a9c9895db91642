#include "controls/EncodedText.h"

#include "platform/CodePage932.h"

#include <algorithm>

namespace quillet {
namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

EncodedText::EncodedText(std::u16string_view units) {
    m_bytes.reserve(units.size() * 2);
    m_byteAt.reserve(units.size() + 1);
    m_byteAt.push_back(0);
    for (std::size_t pos = 0; pos < units.size(); ++pos) {
        // Each character encodes on its own, so the bytes of the whole text are the bytes of
        // its characters one after the other.
        const bool pair =
            IsHighSurrogate(units[pos]) && pos + 1 < units.size() && IsLowSurrogate(units[pos + 1]);
        m_bytes += cp932::FromUtf16(units.substr(pos, pair ? 2 : 1));
        if (pair) {
            m_byteAt.push_back(m_byteAt.back());
            ++pos;
        }
        m_byteAt.push_back(static_cast<int>(m_bytes.size()));
    }
}

int EncodedText::ByteFromUnit(int unit) const {
    const int last = static_cast<int>(m_byteAt.size()) - 1;
    return m_byteAt[static_cast<std::size_t>(std::clamp(unit, 0, last))];
}

int EncodedText::UnitFromByte(int byte) const {
    auto at = std::upper_bound(m_byteAt.begin(), m_byteAt.end(), std::max(byte, 0)) - 1;
    // The inside of a surrogate pair repeats the byte index of the pair's start.
    while (at != m_byteAt.begin() && *(at - 1) == *at) {
        --at;
    }
    return static_cast<int>(at - m_byteAt.begin());
}

} // namespace quillet
