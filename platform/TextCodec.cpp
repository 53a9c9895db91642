#include "platform/TextCodec.h"

#include "platform/CodePage932.h"

namespace quillet {

QString FromCp932(std::string_view bytes) {
    const std::u16string text = cp932::ToUtf16(bytes);
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

std::string ToCp932(const QString& text) {
    return cp932::FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                static_cast<std::size_t>(text.size())));
}

} // namespace quillet
