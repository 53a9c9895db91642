#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// The code page 932 bytes of a text held as UTF-16 by a widget, with the map between
// positions in the one and in the other. Positions are mapped at character boundaries, so
// a double-byte character or a surrogate pair is never split.
class EncodedText {
public:
    explicit EncodedText(std::u16string_view units);

    const std::string& Bytes() const { return m_bytes; }

    // A position inside a surrogate pair counts as the pair's start; positions out of the
    // text are clamped to it.
    int ByteFromUnit(int unit) const;

    // The last character boundary at or before `byte`.
    int UnitFromByte(int byte) const;

private:
    std::string m_bytes;
    std::vector<int> m_byteAt; // byte index of every unit position, the end included
};

} // namespace quillet
