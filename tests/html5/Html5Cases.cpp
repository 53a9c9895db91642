#include "tests/html5/Html5Cases.h"

#include "core/ColorPalette.h"

namespace quillet::test {
namespace {

ComposerState Selecting(std::initializer_list<TagPage> pages) {
    ComposerState state = MakeInitialState({});
    state.Style = OutputStyle::Html5;
    for (const TagPage page : pages) {
        state.PageSelected[static_cast<std::size_t>(page)] = true;
    }
    return state;
}

ColorChoice Palette(const char* name) {
    return ChoiceOf(*FindPaletteColorByName(name));
}

// The scrolling text's band around `content` at the default speed and behaviour, one line
// of the surrounding font high.
std::string DefaultBand(const std::string& content, const std::string& seconds,
                        const std::string& widthEm, const std::string& height = "1.25") {
    return "<svg width=\"100%\" height=\"" + height +
           "em\"><svg x=\"100%\" overflow=\"visible\"><animate attributeName=\"x\" "
           "values=\"100%;0%\" dur=\"" +
           seconds +
           "s\" repeatCount=\"indefinite\"/><svg overflow=\"visible\"><animate "
           "attributeName=\"x\" values=\"0em;-" +
           widthEm + "em\" dur=\"" + seconds +
           "s\" repeatCount=\"indefinite\"/><foreignObject width=\"100%\" height=\"100%\" "
           "overflow=\"visible\"><span style=\"white-space:nowrap\">" +
           content + "</span></foreignObject></svg></svg></svg>";
}

std::vector<Html5Case> MakeCases() {
    std::vector<Html5Case> cases;
    const auto add = [&cases](std::string name, ComposerState state, TagPage page,
                              std::string html5, LookAlike look = LookAlike::Yes,
                              std::string symbol = {}) {
        cases.push_back(
            {std::move(name), std::move(state), page, std::move(symbol), std::move(html5), look});
    };

    {
        ComposerState state = Selecting({TagPage::Font});
        state.FontText = "abc";
        add("font_plain", state, TagPage::Font, "abc");
        state.FontText = "文字と色";
        state.FontFace = "IPAGothic";
        state.FontSize = "5";
        state.FontColor = Palette("青");
        state.Bold = state.Italic = state.Underline = state.Strike = true;
        add("font_everything", state, TagPage::Font,
            "<b><i><u><s><span style=\"font-family:'IPAGothic';font-size:x-large;color:Blue\">"
            "文字と色</span></s></u></i></b>");
    }
    {
        ComposerState state = Selecting({TagPage::Font});
        state.FontText = "Small";
        state.FontSize = "1(最小)";
        add("font_size_1", state, TagPage::Font, "<span style=\"font-size:x-small\">Small</span>");
        state.FontText = "Big";
        state.FontSize = "7(最大)";
        state.FontColor = OtherColor(MakeRgb(255, 128, 0));
        add("font_size_7_other_colour", state, TagPage::Font,
            "<span style=\"font-size:xxx-large;color:#ff8000\">Big</span>");
    }
    {
        ComposerState state = Selecting({TagPage::Gradation});
        state.GradationText = "あいう";
        state.GradationEnd = Palette("赤");
        add("gradation", state, TagPage::Gradation,
            "<span style=\"color:#000000\">あ</span><span style=\"color:#7f0000\">い</span>"
            "<span style=\"color:#ff0000\">う</span>");
        // A character outside the code page is held as a reference: one character.
        state.GradationText = "雪&#9731;";
        add("gradation_outside_code_page", state, TagPage::Gradation,
            "<span style=\"color:#000000\">雪</span>"
            "<span style=\"color:#ff0000\">&#9731;</span>",
            LookAlike::WholeCharacter);
    }
    {
        ComposerState state = Selecting({TagPage::Paragraph});
        state.ParagraphText = "段落";
        state.Align = "Center";
        add("paragraph_center", state, TagPage::Paragraph,
            "<p style=\"text-align:center\">段落</p>");
        state.Align.clear();
        state.VerticalPosition = "Sub";
        add("paragraph_sub", state, TagPage::Paragraph, "<sub>段落</sub>");
        state.Align = "Right";
        state.VerticalPosition = "Sup";
        add("paragraph_sup_right", state, TagPage::Paragraph,
            "<p style=\"text-align:right\"><sup>段落</sup></p>", LookAlike::RaisedInParagraph);
    }
    {
        ComposerState state = Selecting({TagPage::Hyperlink});
        state.LinkTitle = "リンク";
        state.LinkUrl = "a.htm?x=1&y=\"2 3\"";
        state.LinkTarget = "新しいウィンドウ";
        add("link_new_window", state, TagPage::Hyperlink,
            "<a href=\"a.htm?x=1&y=%222%203%22\" target=\"_blank\">リンク</a>");
        state.LinkUrl.clear();
        add("link_without_address", state, TagPage::Hyperlink, "<a>リンク</a>");
    }
    {
        ComposerState state = Selecting({TagPage::Marquee});
        state.MarqueeText = "abc";
        add("marquee_default", state, TagPage::Marquee, DefaultBand("abc", "11.71", "1.65"),
            LookAlike::Moves);
        state.MarqueeText = "交互";
        state.MarqueeBehavior = "交互";
        state.MarqueeBgColor = Palette("黄色");
        state.MarqueeSpeed = 10;
        add("marquee_alternate", state, TagPage::Marquee,
            "<svg width=\"100%\" height=\"1.25em\" style=\"background-color:Yellow\">"
            "<svg x=\"100%\" overflow=\"visible\"><animate attributeName=\"x\" "
            "values=\"100%;0%;100%\" dur=\"13.06s\" repeatCount=\"indefinite\"/>"
            "<svg overflow=\"visible\"><animate attributeName=\"x\" values=\"-2em;0em;-2em\" "
            "dur=\"13.06s\" repeatCount=\"indefinite\"/><foreignObject width=\"100%\" "
            "height=\"100%\" overflow=\"visible\"><span style=\"white-space:nowrap\">交互"
            "</span></foreignObject></svg></svg></svg>",
            LookAlike::Moves);
        state.MarqueeBehavior = "スライド";
        state.MarqueeBgColor = OtherColor(MakeRgb(0, 0, 128));
        state.MarqueeSpeed = 99;
        add("marquee_slide", state, TagPage::Marquee,
            "<svg width=\"100%\" height=\"1.25em\" style=\"background-color:#000080\">"
            "<svg x=\"100%\" overflow=\"visible\"><animate attributeName=\"x\" "
            "values=\"100%;0%\" dur=\"0.69s\" fill=\"freeze\"/><svg overflow=\"visible\">"
            "<foreignObject width=\"100%\" height=\"100%\" overflow=\"visible\">"
            "<span style=\"white-space:nowrap\">交互</span></foreignObject></svg></svg></svg>",
            LookAlike::Moves);
    }
    {
        ComposerState state = Selecting({TagPage::Image});
        state.ImageSrc = "pic.png";
        add("image", state, TagPage::Image, "<img src=\"pic.png\" alt=\"pic\">");
        state.ImageSrc = "http://example.com/img/logo.big.gif?v=2";
        add("image_address", state, TagPage::Image,
            "<img src=\"http://example.com/img/logo.big.gif?v=2\" alt=\"logo.big\">",
            LookAlike::AltText);
    }
    {
        ComposerState state = Selecting({TagPage::Symbol});
        add("symbol_heart", state, TagPage::Symbol, "&#9829;", LookAlike::SymbolFont,
            "<Font Face=\"Symbol\">\xA9</Font>");
        add("symbol_windows_logo", state, TagPage::Symbol, "&#8862;", LookAlike::SymbolFont,
            "<Font Face=\"Wingdings\">\xFF</Font>");
        add("symbol_hard_disk_lt", state, TagPage::Symbol, "&#128436;", LookAlike::SymbolFont,
            "<Font Face=\"Wingdings\">;</Font>");
        add("symbol_floppy_lt", state, TagPage::Symbol, "&#128427;", LookAlike::SymbolFont,
            "<Font Face=\"Wingdings\"><</Font>");
        add("symbol_entity", state, TagPage::Symbol, "&copy;", LookAlike::Yes, "&copy;");
        add("symbol_user_font", state, TagPage::Symbol,
            "<span style=\"font-family:'DejaVu Sans';font-size:small;color:Red\">"
            "<b>x</b></span>y",
            LookAlike::Yes, "<font color=Red FACE='DejaVu Sans' Size=\"2\"><b>x</b></FONT>y");
    }
    {
        ComposerState state =
            Selecting({TagPage::Symbol, TagPage::Gradation, TagPage::Font, TagPage::Hyperlink});
        state.GradationEnd = Palette("白");
        state.Bold = true;
        state.LinkUrl = "s.htm";
        add("symbol_gradation_font_link", state, TagPage::Symbol,
            "<a href=\"s.htm\"><b><span style=\"color:#000000\">&#9829;</span>"
            "<span style=\"color:#ffffff\">&#9824;</span></b></a>",
            LookAlike::SymbolFont,
            "<Font Face=\"Symbol\">\xA9</Font><Font Face=\"Symbol\">\xAA</Font>");
    }
    {
        ComposerState state = Selecting({TagPage::Font, TagPage::Hyperlink, TagPage::Paragraph});
        state.FontText = "abc";
        state.Bold = true;
        state.LinkUrl = "a.htm";
        state.Align = "Center";
        add("font_link_paragraph", state, TagPage::Font,
            "<p style=\"text-align:center\"><a href=\"a.htm\"><b>abc</b></a></p>");
    }
    {
        ComposerState state = Selecting({TagPage::Gradation, TagPage::Font, TagPage::Hyperlink,
                                         TagPage::Marquee, TagPage::Paragraph});
        state.GradationText = "ab";
        state.Italic = true;
        state.FontColor = Palette("赤");
        state.FontSize = "6";
        state.Align = "Right";
        state.LinkUrl = "x.htm";
        state.MarqueeSpeed = 3;
        add("every_text_element", state, TagPage::Gradation,
            "<p style=\"text-align:right\"><svg width=\"100%\" height=\"2.5em\"><svg x=\"100%\" "
            "overflow=\"visible\"><animate attributeName=\"x\" values=\"100%;0%\" "
            "dur=\"23.66s\" repeatCount=\"indefinite\"/><svg overflow=\"visible\"><animate "
            "attributeName=\"x\" values=\"0em;-2.2em\" dur=\"23.66s\" "
            "repeatCount=\"indefinite\"/><foreignObject width=\"100%\" height=\"100%\" "
            "overflow=\"visible\"><span style=\"white-space:nowrap\"><a href=\"x.htm\"><i>"
            "<span style=\"font-size:xx-large;color:Red\"><span style=\"color:#000000\">a</span>"
            "<span style=\"color:#000000\">b</span></span></i></a></span></foreignObject>"
            "</svg></svg></svg></p>",
            LookAlike::Moves);
    }
    {
        ComposerState state = Selecting({TagPage::Image, TagPage::Hyperlink, TagPage::Paragraph});
        state.ImageSrc = "pic.png";
        state.LinkUrl = "a.htm";
        state.Align = "Left";
        add("image_link_paragraph", state, TagPage::Image,
            "<p style=\"text-align:left\"><a href=\"a.htm\"><img src=\"pic.png\" alt=\"pic\">"
            "</a></p>");
    }
    {
        ComposerState state = Selecting({TagPage::Image, TagPage::Marquee});
        state.ImageSrc = "pic.png";
        add("image_marquee", state, TagPage::Image,
            "<svg width=\"100%\"><svg x=\"100%\" overflow=\"visible\"><animate "
            "attributeName=\"x\" values=\"100%;0%\" dur=\"13.46s\" repeatCount=\"indefinite\"/>"
            "<svg overflow=\"visible\"><animate attributeName=\"x\" values=\"0em;-9.38em\" "
            "dur=\"13.46s\" repeatCount=\"indefinite\"/><foreignObject width=\"100%\" "
            "height=\"100%\" overflow=\"visible\"><span style=\"white-space:nowrap\">"
            "<img src=\"pic.png\" alt=\"pic\"></span></foreignObject></svg></svg></svg>",
            LookAlike::Moves);
    }
    return cases;
}

} // namespace

const std::vector<Html5Case>& Html5Cases() {
    static const std::vector<Html5Case> cases = MakeCases();
    return cases;
}

} // namespace quillet::test
