#include "core/Html5Css.h"

#include "core/ColorPalette.h"
#include "core/HexColor.h"
#include "platform/CodePage932.h"

#include <array>

namespace quillet {
namespace {

struct LegacySize {
    std::string_view Keyword;
    double Em;
};

constexpr std::array<LegacySize, 7> kSizes{{
    {"x-small", 0.625},
    {"small", 0.8125},
    {"medium", 1.0},
    {"large", 1.125},
    {"x-large", 1.5},
    {"xx-large", 2.0},
    {"xxx-large", 3.0},
}};

} // namespace

std::string_view CssFontSizeKeyword(int size) {
    return size >= 1 && size <= 7 ? kSizes[static_cast<std::size_t>(size - 1)].Keyword
                                  : std::string_view();
}

double CssFontSizeEm(int size) {
    return size >= 1 && size <= 7 ? kSizes[static_cast<std::size_t>(size - 1)].Em : 1.0;
}

std::string CssColor(const ColorChoice& choice) {
    if (const PaletteColor* color = FindPaletteColorByName(choice.Name)) {
        return std::string(color->HtmlName);
    }
    if (choice.Name == OtherColorName()) {
        std::string css = "#";
        AppendHexColor(css, choice.Value);
        return css;
    }
    return {};
}

void AppendCssFamily(std::string& out, std::string_view face) {
    out += '\'';
    // By characters: the second byte of a double-byte character may be a backslash.
    for (std::size_t pos = 0; pos < face.size();) {
        const std::size_t length = cp932::CharLength(face, pos);
        const char c = face[pos];
        if (length == 1 && (c == '\'' || c == '\\')) {
            out += '\\';
        }
        if (length == 1 && c == '"') {
            out += "&quot;";
        } else {
            out += face.substr(pos, length);
        }
        pos += length;
    }
    out += '\'';
}

void AppendHtml5Attribute(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out += name;
    out += "=\"";
    for (const char c : value) {
        if (c == '"') {
            out += "&quot;";
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendHtml5UrlAttribute(std::string& out, std::string_view name, std::string_view url) {
    constexpr std::string_view kEncoded = " \"<>`{}|^";
    std::string encoded;
    for (std::size_t pos = 0; pos < url.size();) {
        const std::size_t length = cp932::CharLength(url, pos);
        if (length == 1 && kEncoded.find(url[pos]) != std::string_view::npos) {
            constexpr char digits[] = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(url[pos]);
            encoded += '%';
            encoded += digits[byte >> 4];
            encoded += digits[byte & 0xF];
        } else {
            encoded += url.substr(pos, length);
        }
        pos += length;
    }
    AppendHtml5Attribute(out, name, encoded);
}

} // namespace quillet
