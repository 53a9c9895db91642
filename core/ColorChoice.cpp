#include "core/ColorChoice.h"

namespace quillet {

std::string_view StandardColorName() {
    return "標準";
}
std::string_view OtherColorName() {
    return "その他";
}

ColorChoice StandardColor(Rgb value) {
    return {std::string(StandardColorName()), value};
}
ColorChoice OtherColor(Rgb value) {
    return {std::string(OtherColorName()), value};
}

bool IsStandard(const ColorChoice& choice) {
    return choice.Name == StandardColorName();
}

} // namespace quillet
