#pragma once

#include <QMimeData>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Plain text as it travels in a drag: as UTF-8 for every other program, and as the exact
// code page 932 bytes for the programs that read those.
namespace quillet {

std::unique_ptr<QMimeData> MakeDragData(std::string_view bytes);

bool OffersPlainText(const QMimeData& data);

// The code page bytes when they are offered, else the text converted; nothing when the
// data holds no plain text.
std::optional<std::string> DroppedText(const QMimeData& data);

} // namespace quillet
