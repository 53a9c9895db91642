#pragma once

#include <string_view>

// Values of the state that mean "not set" or are the lists' first items. They are code page
// 932 bytes, kept in one Qt-free file; Qt code converts them with FromCp932.
namespace quillet {

// "標準フォント": no typeface; the first item of the face list.
std::string_view StandardFontFace();
// "ＭＳ Ｐゴシック": the face the sample is drawn in when no typeface is set.
std::string_view SampleFallbackFace();
// "サンプルSample": the text of the font sample.
std::string_view SampleText();
// "標準": the first size item; no size attribute.
std::string_view StandardFontSize();
// "同じウィンドウ": the first link target; no target attribute.
std::string_view SameWindowTarget();
// "スクロール": the first behaviour; no behaviour attribute.
std::string_view ScrollBehavior();
// "トランプ": the symbol category shown at first and after a clear.
std::string_view DefaultSymbolCategory();
// "ユーザー設定": the category of the user's own symbols, the only one they can be added to.
std::string_view UserSymbolCategory();

} // namespace quillet
