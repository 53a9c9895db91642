#pragma once

#include "core/ComposerState.h"
#include "core/ComposerView.h"
#include "core/TagPage.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// What the content is to the gradation: a typed text is coloured character by character as
// written; ready-made markup (a symbol) keeps its tags and character references whole.
enum class ContentKind { Text, Markup };

// Wraps `content` in the elements of the selected pages, innermost first: gradation pieces,
// font and styles, link, scrolling text, paragraph. When the font page is selected and
// `sample` is given, it receives the sample font request.
std::string WrapSelectedElements(const ComposerState& state, std::string_view content,
                                 std::optional<SampleFont>* sample = nullptr,
                                 ContentKind kind = ContentKind::Text);
// The same, appended to `out`.
void AppendSelectedElements(std::string& out, const ComposerState& state, std::string_view content,
                            std::optional<SampleFont>* sample = nullptr,
                            ContentKind kind = ContentKind::Text);

// The fragment with `page` current: the page's content (its text, the image tag, or
// `symbolContent` on the symbol page) wrapped by the selected pages. Touches no window.
std::string ComposeFragment(const ComposerState& state, TagPage page,
                            std::string_view symbolContent = {},
                            std::optional<SampleFont>* sample = nullptr);
// The same into `out`, replacing what it held but keeping its memory, so that composing on
// every keystroke allocates nothing once the buffer has grown.
void ComposeFragmentInto(std::string& out, const ComposerState& state, TagPage page,
                         std::string_view symbolContent = {},
                         std::optional<SampleFont>* sample = nullptr);

} // namespace quillet
