#include "preview/RichTextChange.h"

#include "platform/CodePage932.h"

#include <algorithm>
#include <vector>

namespace quillet {
namespace {

// A character of the text, a line break or an image, with the inline elements around it.
struct Run {
    std::size_t context; // index into Reading::contexts
    std::string_view html;
    std::size_t textEnd; // end of its characters in Reading::text
};

struct Reading {
    // The paragraph's tags: changing them changes every line.
    std::string_view paragraph;
    bool paragraphClosed = false;
    std::string text;
    std::vector<Run> runs;
    // The open tags around a run, and the closing tags that end them.
    std::vector<std::pair<std::string, std::string>> contexts{{}};
};

std::string_view TagName(std::string_view tag) {
    std::size_t begin = tag.starts_with("</") ? 2 : 1;
    std::size_t end = begin;
    while (end < tag.size() && tag[end] != ' ' && tag[end] != '>' && tag[end] != '/') {
        ++end;
    }
    return tag.substr(begin, end - begin);
}

// The references the preview's own markup writes; any other one is the engine's business.
bool AppendText(std::string& out, std::string_view html) {
    static constexpr std::pair<std::string_view, char> kReferences[] = {
        {"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}};
    for (std::size_t pos = 0; pos < html.size();) {
        const auto byte = static_cast<unsigned char>(html[pos]);
        if (byte == '&') {
            const auto* reference = std::ranges::find_if(
                kReferences, [&](const auto& r) { return html.substr(pos).starts_with(r.first); });
            if (reference == std::end(kReferences)) {
                return false;
            }
            out += reference->second;
            pos += reference->first.size();
            continue;
        }
        // Tabs and line ends fold into spaces, and the ideographic space may too.
        if (byte < 0x20 || html.substr(pos).starts_with("\x81\x40")) {
            return false;
        }
        const std::size_t length = cp932::CharLength(html, pos);
        out.append(html.substr(pos, length));
        pos += length;
    }
    return true;
}

// Tags are the preview's own, so a ">" inside one only ever stands in a quoted value.
std::size_t TagEnd(std::string_view html, std::size_t pos) {
    bool quoted = false;
    for (; pos < html.size(); ++pos) {
        if (html[pos] == '"') {
            quoted = !quoted;
        } else if (html[pos] == '>' && !quoted) {
            return pos + 1;
        }
    }
    return std::string_view::npos;
}

std::optional<Reading> Read(std::string_view html) {
    Reading reading;
    std::vector<std::string_view> open;
    bool paragraphClosed = false;
    for (std::size_t pos = 0; pos < html.size();) {
        if (paragraphClosed) {
            return std::nullopt; // a second paragraph follows
        }
        if (html[pos] != '<') {
            const std::size_t end = std::min(html.find('<', pos), html.size());
            const std::string_view text = html.substr(pos, end - pos);
            if (!AppendText(reading.text, text)) {
                return std::nullopt;
            }
            reading.runs.push_back({reading.contexts.size() - 1, text, reading.text.size()});
            pos = end;
            continue;
        }
        const std::size_t end = TagEnd(html, pos);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view tag = html.substr(pos, end - pos);
        const std::string_view name = TagName(tag);
        pos = end;
        if (name == "p") {
            // Only a paragraph that is the whole text, around no open element.
            const bool closing = tag[1] == '/';
            if (!open.empty() || (!closing && pos != tag.size())) {
                return std::nullopt;
            }
            paragraphClosed = closing;
            if (!closing) {
                reading.paragraph = tag;
            }
            continue;
        }
        if (name == "br" || name == "img") {
            reading.text += name == "br" ? '\n' : '\r';
            reading.runs.push_back({reading.contexts.size() - 1, tag, reading.text.size()});
            continue;
        }
        if (tag[1] == '/') {
            if (open.empty() || open.back() != name) {
                return std::nullopt;
            }
            open.pop_back();
        } else {
            open.push_back(name);
        }
        auto [opening, closing] = reading.contexts.back();
        if (tag[1] == '/') {
            opening.erase(opening.rfind('<'));
            closing.erase(0, closing.find('>') + 1);
        } else {
            opening += tag;
            closing.insert(0, "</" + std::string(name) + ">");
        }
        reading.contexts.emplace_back(std::move(opening), std::move(closing));
    }
    // White space the engine would fold or drop.
    const std::string& text = reading.text;
    if (text.starts_with(' ') || text.ends_with(' ') || text.starts_with('\n') ||
        text.ends_with('\n') || text.find("  ") != std::string::npos ||
        text.find(" \n") != std::string::npos || text.find("\n ") != std::string::npos) {
        return std::nullopt;
    }
    reading.paragraphClosed = paragraphClosed;
    return reading;
}

std::size_t TextBegin(const Reading& reading, std::size_t run) {
    return run == 0 ? 0 : reading.runs[run - 1].textEnd;
}

bool SameRun(const Reading& a, std::size_t runA, const Reading& b, std::size_t runB) {
    const Run& x = a.runs[runA];
    const Run& y = b.runs[runB];
    return x.html == y.html && a.contexts[x.context].first == b.contexts[y.context].first;
}

} // namespace

std::optional<std::string> RichTextCharacters(std::string_view html) {
    std::optional<Reading> reading = Read(html);
    if (!reading) {
        return std::nullopt;
    }
    return std::move(reading->text);
}

std::optional<RichTextChange> FindRichTextChange(std::string_view oldHtml,
                                                 std::string_view newHtml) {
    std::optional<Reading> before = Read(oldHtml);
    std::optional<Reading> after = Read(newHtml);
    if (!before || !after || before->paragraph != after->paragraph ||
        before->paragraphClosed != after->paragraphClosed) {
        return std::nullopt;
    }
    const std::size_t oldRuns = before->runs.size();
    const std::size_t newRuns = after->runs.size();
    std::size_t head = 0;
    while (head < oldRuns && head < newRuns && SameRun(*before, head, *after, head)) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < oldRuns - head && tail < newRuns - head &&
           SameRun(*before, oldRuns - 1 - tail, *after, newRuns - 1 - tail)) {
        ++tail;
    }
    // The engine takes some of a paragraph's looks from its first character.
    if (head == 0) {
        return std::nullopt;
    }
    RichTextChange change;
    change.Start = TextBegin(*after, head);
    change.OldEnd = TextBegin(*before, oldRuns - tail);
    change.NewEnd = TextBegin(*after, newRuns - tail);
    for (std::size_t run = head; run < newRuns - tail; ++run) {
        const auto& [opening, closing] = after->contexts[after->runs[run].context];
        change.Html += opening;
        change.Html += after->runs[run].html;
        change.Html += closing;
    }
    change.OldText = std::move(before->text);
    change.NewText = std::move(after->text);
    return change;
}

} // namespace quillet
