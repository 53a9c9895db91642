#pragma once

#include <QMimeData>
#include <QString>

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
// UTF-8 text as it is, with the code page bytes too when every character fits the code page.
std::unique_ptr<QMimeData> MakeUtf8TextMimeData(std::string_view utf8);

bool OffersPlainText(const QMimeData& data);

// The text as the user sees it: the code page bytes decoded when they are offered, else the
// Unicode text as it came, so that a character outside the code page is converted only
// where typing converts it. Nothing when the data holds no plain text.
std::optional<QString> DroppedText(const QMimeData& data);

} // namespace quillet
