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
    // The open tags around a run, innermost last: each context is its innermost tag and the
    // context that tag stands in. Context 0 is the paragraph itself.
    struct Context {
        std::size_t outer = 0;
        std::string_view tag;
        std::string_view name;
    };
    std::vector<Context> contexts{{}};
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
    std::size_t current = 0;
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
            reading.runs.push_back({current, text, reading.text.size()});
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
            if (current != 0 || (!closing && pos != tag.size())) {
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
            reading.runs.push_back({current, tag, reading.text.size()});
            continue;
        }
        if (tag[1] == '/') {
            if (current == 0 || reading.contexts[current].name != name) {
                return std::nullopt;
            }
            current = reading.contexts[current].outer;
        } else {
            reading.contexts.push_back({current, tag, name});
            current = reading.contexts.size() - 1;
        }
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

bool SameContext(const Reading& a, std::size_t contextA, const Reading& b, std::size_t contextB) {
    while (contextA != 0 && contextB != 0) {
        if (a.contexts[contextA].tag != b.contexts[contextB].tag) {
            return false;
        }
        contextA = a.contexts[contextA].outer;
        contextB = b.contexts[contextB].outer;
    }
    return contextA == contextB;
}

bool SameRun(const Reading& a, std::size_t runA, const Reading& b, std::size_t runB) {
    const Run& x = a.runs[runA];
    const Run& y = b.runs[runB];
    return x.html == y.html && SameContext(a, x.context, b, y.context);
}

// A run on its own, inside the elements it stands in.
void AppendRun(std::string& out, const Reading& reading, const Run& run) {
    std::vector<const Reading::Context*> chain;
    for (std::size_t context = run.context; context != 0;
         context = reading.contexts[context].outer) {
        chain.push_back(&reading.contexts[context]);
    }
    for (auto element = chain.rbegin(); element != chain.rend(); ++element) {
        out += (*element)->tag;
    }
    out += run.html;
    for (const Reading::Context* element : chain) {
        out += "</";
        out += element->name;
        out += '>';
    }
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
        AppendRun(change.Html, *after, after->runs[run]);
    }
    change.OldText = std::move(before->text);
    change.NewText = std::move(after->text);
    return change;
}

} // namespace quillet
