#include "core/Html5ScrollingText.h"

#include "core/Html5Css.h"
#include "core/MarkupUnits.h"
#include "core/MarqueeTag.h"
#include "platform/AsciiText.h"

#include <charconv>

namespace quillet {
namespace {

// A browser moves a marquee by its scroll amount every 85 milliseconds.
constexpr double kStepSeconds = 0.085;
constexpr double kDefaultFontPixels = 16.0;
constexpr double kLineEm = 1.25;
constexpr double kImageGuessEm = 150.0 / kDefaultFontPixels;

enum class Motion { Scroll, Slide, Alternate };

Motion MotionOf(const ComposerState& state) {
    const std::string_view behavior = MarqueeBehaviorOf(state);
    return behavior == "Slide"       ? Motion::Slide
           : behavior == "Alternate" ? Motion::Alternate
                                     : Motion::Scroll;
}

// Locale-free, at most two decimals, no trailing zeros.
std::string Number(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    std::string number(text, result.ptr);
    while (number.back() == '0') {
        number.pop_back();
    }
    if (number.back() == '.') {
        number.pop_back();
    }
    return number == "-0" ? "0" : number;
}

bool HoldsImage(std::string_view content) {
    return AsciiLower(content).find("<img") != std::string::npos;
}

// The content's width in em of its own font: a full-width character or a character
// reference one em, a half-width katakana half, other single bytes a little more; an
// image a guess, since its size is not known here.
double EstimatedWidthEm(std::string_view content) {
    double width = 0;
    for (const MarkupUnit& unit : SplitMarkupUnits(content, true)) {
        if (unit.Tag) {
            width += AsciiLower(content.substr(unit.Pos, 4)) == "<img" ? kImageGuessEm : 0;
            continue;
        }
        const auto first = static_cast<unsigned char>(content[unit.Pos]);
        width += unit.Length > 1 ? 1.0 : (first >= 0xA1 && first <= 0xDF ? 0.5 : 0.55);
    }
    return width;
}

void AppendAnimate(std::string& out, std::string_view values, double seconds, bool repeat) {
    out += "<animate attributeName=\"x\" values=\"";
    out += values;
    out += "\" dur=\"";
    out += Number(seconds);
    out += repeat ? "s\" repeatCount=\"indefinite\"/>" : "s\" fill=\"freeze\"/>";
}

} // namespace

void AppendHtml5ScrollingTextOpenTag(std::string& out, const ComposerState& state,
                                     std::string_view content, double contentEm) {
    const bool image = HoldsImage(content);
    const double width = EstimatedWidthEm(content) * (image ? 1.0 : contentEm);
    const double band = kReferenceBandPixels / kDefaultFontPixels;
    const double speed = state.MarqueeSpeed / kStepSeconds / kDefaultFontPixels; // em/s
    const std::string w = Number(width);

    out += "<svg width=\"100%\"";
    if (!image) {
        // An image's height is not known here; the band then keeps SVG's own 150 pixels.
        out += " height=\"";
        out += Number(kLineEm * contentEm);
        out += "em\"";
    }
    if (const std::string color = CssColor(state.MarqueeBgColor); !color.empty()) {
        AppendHtml5Attribute(out, "style", "background-color:" + color);
    }
    out += '>';

    // The outer band moves by fractions of its width, the inner one by the content's width.
    out += "<svg x=\"100%\" overflow=\"visible\">";
    switch (MotionOf(state)) {
    case Motion::Scroll: {
        const double seconds = (band + width) / speed;
        AppendAnimate(out, "100%;0%", seconds, true);
        out += "<svg overflow=\"visible\">";
        AppendAnimate(out, "0em;-" + w + "em", seconds, true);
        break;
    }
    case Motion::Slide:
        AppendAnimate(out, "100%;0%", band / speed, false);
        out += "<svg overflow=\"visible\">";
        break;
    case Motion::Alternate: {
        const double seconds = 2 * std::max(band - width, 1.0) / speed;
        AppendAnimate(out, "100%;0%;100%", seconds, true);
        out += "<svg overflow=\"visible\">";
        AppendAnimate(out, "-" + w + "em;0em;-" + w + "em", seconds, true);
        break;
    }
    }
    out += "<foreignObject width=\"100%\" height=\"100%\" overflow=\"visible\">"
           "<span style=\"white-space:nowrap\">";
}

void AppendHtml5ScrollingTextCloseTag(std::string& out) {
    out += "</span></foreignObject></svg></svg></svg>";
}

} // namespace quillet
