#pragma once

#include <QMimeData>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Plain text as it travels through the clipboard or a drag: UTF-8 for the programs of this
// desktop, and the exact code page 932 bytes for those that ask for them.
namespace quillet {

inline constexpr char kUtf8TextMime[] = "text/plain;charset=utf-8";
inline constexpr char kCp932TextMime[] = "text/plain;charset=windows-31j";

std::unique_ptr<QMimeData> MakeTextMimeData(std::string_view cp932);

bool OffersPlainText(const QMimeData& data);

// The code page bytes when they are offered, else the text converted; nothing when the
// data holds no plain text.
std::optional<std::string> DroppedText(const QMimeData& data);

} // namespace quillet
