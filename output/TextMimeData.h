#pragma once

#include <memory>
#include <string_view>

class QMimeData;

namespace quillet {

inline constexpr char kUtf8TextMime[] = "text/plain;charset=utf-8";
inline constexpr char kCp932TextMime[] = "text/plain;charset=windows-31j";

// Plain text for the clipboard or a drag: UTF-8 for the programs of this desktop, and the
// exact code page 932 bytes for those that ask for them.
std::unique_ptr<QMimeData> MakeTextMimeData(std::string_view cp932);

} // namespace quillet
