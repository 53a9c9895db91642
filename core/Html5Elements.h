#pragma once

#include "core/ComposerState.h"
#include "core/ComposerView.h"

#include <string>
#include <string_view>

// The elements of the pages in HTML5 style: the same choices as the present style, written
// as conforming elements with CSS in inline style attributes.
namespace quillet {

// <b><i><u><s><span style="font-family:...;font-size:...;color:...">, and its closing
// text. `sample` receives the sample font as in the present style.
void AppendHtml5FontOpenTag(std::string& out, const ComposerState& state,
                            SampleFont* sample = nullptr);
void AppendHtml5FontCloseTag(std::string& out, const ComposerState& state);

// <p style="text-align:..."><sup>: the raised or lowered text inside the paragraph, where
// a browser raises it, and the paragraph only with an alignment.
void AppendHtml5ParagraphOpenTag(std::string& out, const ComposerState& state);
void AppendHtml5ParagraphCloseTag(std::string& out, const ComposerState& state);

// <a href="..." target="...">, the address with what it may not hold as typed
// percent-encoded. A link without an address is a placeholder <a>, which may
// not carry a target.
void AppendHtml5LinkOpenTag(std::string& out, const ComposerState& state);
void AppendHtml5LinkCloseTag(std::string& out, const ComposerState& state);

// <img src="..." alt="...">, the alternative text the file name without its folder and
// extension; empty without a source.
void AppendHtml5ImageTag(std::string& out, const ComposerState& state);
std::string Html5ImageTag(const ComposerState& state);

// Every character of `text` in its own <span style="color:#rrggbb">, the colours as in the
// present style. A character reference is one character; with `markup` tags pass whole
// and fewer than two characters leave the text as it is, without it they are dropped.
void AppendHtml5Gradation(std::string& out, std::string_view text, Rgb start, Rgb end, bool markup);

} // namespace quillet
