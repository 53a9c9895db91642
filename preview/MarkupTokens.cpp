#include "preview/MarkupTokens.h"

#include "platform/AsciiText.h"

namespace quillet {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// Reads a tag from just after its "<" (or "</"); `pos` ends after the ">". False when the
// fragment ends inside the tag.
bool ReadTag(std::string_view text, std::size_t& pos, MarkupToken& tag) {
    const std::size_t nameStart = pos;
    while (pos < text.size() && !IsSpace(text[pos]) && text[pos] != '/' && text[pos] != '>') {
        ++pos;
    }
    tag.Name = AsciiLower(text.substr(nameStart, pos - nameStart));
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '>') {
            ++pos;
            return true;
        }
        if (IsSpace(c) || c == '/') {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        while (pos < text.size() && !IsSpace(text[pos]) && text[pos] != '=' && text[pos] != '>' &&
               text[pos] != '/') {
            ++pos;
        }
        MarkupAttribute attribute{AsciiLower(text.substr(start, pos - start)), {}};
        while (pos < text.size() && IsSpace(text[pos])) {
            ++pos;
        }
        if (pos < text.size() && text[pos] == '=') {
            ++pos;
            while (pos < text.size() && IsSpace(text[pos])) {
                ++pos;
            }
            if (pos < text.size() && (text[pos] == '"' || text[pos] == '\'')) {
                const char quote = text[pos++];
                const std::size_t end = text.find(quote, pos);
                if (end == std::string_view::npos) {
                    return false;
                }
                attribute.Value = text.substr(pos, end - pos);
                pos = end + 1;
            } else {
                const std::size_t valueStart = pos;
                while (pos < text.size() && !IsSpace(text[pos]) && text[pos] != '>') {
                    ++pos;
                }
                attribute.Value = text.substr(valueStart, pos - valueStart);
            }
        }
        // The first of two attributes of one name counts.
        if (!tag.HasAttribute(attribute.Name)) {
            tag.Attributes.push_back(std::move(attribute));
        }
    }
    return false;
}

void AppendText(std::vector<MarkupToken>& tokens, std::string_view text) {
    if (text.empty()) {
        return;
    }
    if (tokens.empty() || tokens.back().kind != MarkupToken::Kind::Text) {
        tokens.push_back({MarkupToken::Kind::Text, {}, {}});
    }
    tokens.back().Name += text;
}

} // namespace

std::string_view MarkupToken::Attribute(std::string_view name) const {
    const std::string lower = AsciiLower(name);
    for (const auto& attribute : Attributes) {
        if (attribute.Name == lower) {
            return attribute.Value;
        }
    }
    return {};
}

bool MarkupToken::HasAttribute(std::string_view name) const {
    const std::string lower = AsciiLower(name);
    for (const auto& attribute : Attributes) {
        if (attribute.Name == lower) {
            return true;
        }
    }
    return false;
}

// '<' and '>' are never the second byte of a double-byte character, so the scan can go
// byte by byte.
std::vector<MarkupToken> TokenizeMarkup(std::string_view fragment) {
    std::vector<MarkupToken> tokens;
    std::size_t pos = 0;
    while (pos < fragment.size()) {
        const std::size_t open = fragment.find('<', pos);
        if (open == std::string_view::npos) {
            AppendText(tokens, fragment.substr(pos));
            break;
        }
        AppendText(tokens, fragment.substr(pos, open - pos));
        const std::string_view rest = fragment.substr(open);
        if (rest.starts_with("<!--")) {
            const std::size_t end = fragment.find("-->", open + 4);
            pos = end == std::string_view::npos ? fragment.size() : end + 3;
            continue;
        }
        const bool closing = rest.size() > 2 && rest[1] == '/' && IsAsciiLetter(rest[2]);
        if (!closing && !(rest.size() > 1 && IsAsciiLetter(rest[1]))) {
            AppendText(tokens, "<");
            pos = open + 1;
            continue;
        }
        MarkupToken tag{closing ? MarkupToken::Kind::Close : MarkupToken::Kind::Open, {}, {}};
        pos = open + (closing ? 2 : 1);
        if (!ReadTag(fragment, pos, tag)) {
            break;
        }
        tokens.push_back(std::move(tag));
    }
    return tokens;
}

} // namespace quillet
