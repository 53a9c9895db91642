#include "preview/HtmlFragmentTree.h"

#include "platform/CodePage932.h"
#include "platform/Utf8Text.h"
#include "preview/NestingLimit.h"

namespace quillet {

HtmlFragmentTree::HtmlFragmentTree(std::string_view fragment, Reader reader)
    : m_utf8(Utf8FromCp932(fragment)) {
    // The full parser takes most of a keystroke's time on a long gradation; the markup the
    // program writes needs none of its repairs.
    if (reader == Reader::Fastest && m_wellFormed.Read(m_utf8)) {
        m_root = &m_wellFormed.Root();
        return;
    }
    m_utf8 = LimitNesting(m_utf8);
    GumboOptions options = kGumboDefaultOptions;
    options.fragment_context = GUMBO_TAG_BODY;
    options.fragment_namespace = GUMBO_NAMESPACE_HTML;
    // Each recorded error keeps a copy of the open elements: deeply nested markup would
    // cost memory and time in the square of its depth. Nobody reads them.
    options.max_errors = 0;
    m_output = gumbo_parse_with_options(&options, m_utf8.data(), m_utf8.size());
    m_root = m_output->root;
}

HtmlFragmentTree::~HtmlFragmentTree() {
    if (m_output != nullptr) {
        gumbo_destroy_output(&kGumboDefaultOptions, m_output);
    }
}

std::string Utf8FromCp932(std::string_view text) {
    const std::u16string wide = cp932::ToUtf16(text);
    // Written in place: the preview converts a whole fragment on every keystroke.
    std::string out(wide.size() * 3, '\0');
    char* at = out.data();
    for (std::size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
        }
        at = WriteUtf8(at, c);
    }
    out.resize(static_cast<std::size_t>(at - out.data()));
    return out;
}

std::u32string Utf32FromUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? byte : byte & (0x7F >> length);
        for (int k = 1; k < length && i + static_cast<std::size_t>(k) < text.size(); ++k) {
            c = (c << 6) |
                (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3F);
        }
        out += c;
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::string Cp932FromUtf8(std::string_view text) {
    std::u16string wide;
    for (const char32_t c : Utf32FromUtf8(text)) {
        if (c >= 0x10000) {
            wide += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            wide += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<char16_t>(c);
        }
    }
    return cp932::FromUtf16(wide);
}

} // namespace quillet
