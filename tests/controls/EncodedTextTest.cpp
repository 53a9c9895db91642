#include "controls/EncodedText.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(EncodedText, MapsPositionsAtCharacterBoundariesRoundingDown) {
    // "a", a double-byte character, an emoji kept as a reference, a raw byte, "b".
    const EncodedText text(u"aあ\U0001F600\uF7FFb");
    EXPECT_EQ(text.Bytes(), "aあ&#128512;\xFF"
                            "b");
    EXPECT_EQ(text.ByteFromUnit(3), 3); // inside the surrogate pair
    EXPECT_EQ(text.ByteFromUnit(5), 13);
    EXPECT_EQ(text.UnitFromByte(2), 1); // inside the double-byte character
    EXPECT_EQ(text.UnitFromByte(7), 2); // inside the reference
    EXPECT_EQ(text.UnitFromByte(12), 4);
    EXPECT_EQ(text.UnitFromByte(99), 6);
}

} // namespace
} // namespace quillet
