#include "core/ComposerTexts.h"

namespace quillet {

std::string_view StandardFontFace() {
    return "標準フォント";
}
std::string_view SampleFallbackFace() {
    return "ＭＳ Ｐゴシック";
}
std::string_view SampleText() {
    return "サンプルSample";
}
std::string_view StandardFontSize() {
    return "標準";
}
std::string_view SameWindowTarget() {
    return "同じウィンドウ";
}
std::string_view ScrollBehavior() {
    return "スクロール";
}
std::string_view DefaultSymbolCategory() {
    return "トランプ";
}
std::string_view UserSymbolCategory() {
    return "ユーザー設定";
}

} // namespace quillet
