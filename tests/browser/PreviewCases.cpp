#include "tests/browser/PreviewCases.h"

#include "core/ColorPalette.h"
#include "core/Composition.h"

namespace quillet::test {
namespace {

ComposerState Selecting(std::initializer_list<TagPage> pages) {
    ComposerState state = MakeInitialState({});
    for (const TagPage page : pages) {
        state.PageSelected[static_cast<std::size_t>(page)] = true;
    }
    return state;
}

ColorChoice Palette(const char* name) {
    return ChoiceOf(*FindPaletteColorByName(name));
}

// Several fragments one after the other, as a user pastes them into one page.
class Pieces {
public:
    Pieces& Add(const ComposerState& state, TagPage page, std::string_view symbol = {}) {
        m_fragment += ComposeFragment(state, page, symbol);
        return *this;
    }
    std::string Fragment() const { return m_fragment; }

private:
    std::string m_fragment;
};

std::vector<PreviewCase> MakeCases() {
    std::vector<PreviewCase> cases;
    const auto add = [&cases](std::string name, std::string fragment) {
        cases.push_back({std::move(name), std::move(fragment)});
    };
    {
        ComposerState state = Selecting({TagPage::Font});
        Pieces faces;
        state.FontText = "Sans face ";
        state.FontFace = "DejaVu Sans";
        faces.Add(state, TagPage::Font);
        state.FontText = "ゴシック体 abc";
        state.FontFace = "IPAGothic";
        faces.Add(state, TagPage::Font);
        add("font_faces", faces.Fragment());
    }
    {
        ComposerState state = Selecting({TagPage::Font});
        Pieces sizes;
        for (const char* size : {"1(最小)", "2", "3", "4", "5", "6", "7(最大)"}) {
            state.FontSize = size;
            state.FontText = std::string("Size") + size[0] + ' ';
            sizes.Add(state, TagPage::Font);
        }
        add("font_sizes", sizes.Fragment());
    }
    {
        ComposerState state = Selecting({TagPage::Font});
        Pieces colours;
        state.FontText = "赤い ";
        state.FontColor = Palette("赤");
        colours.Add(state, TagPage::Font);
        state.FontText = "Blue ";
        state.FontColor = Palette("青");
        colours.Add(state, TagPage::Font);
        state.FontText = "Other";
        state.FontColor = OtherColor(MakeRgb(255, 128, 0));
        colours.Add(state, TagPage::Font);
        add("font_colours", colours.Fragment());
    }
    {
        ComposerState state = Selecting({TagPage::Font});
        Pieces styles;
        for (bool ComposerState::*style : {&ComposerState::Bold, &ComposerState::Italic,
                                           &ComposerState::Underline, &ComposerState::Strike}) {
            state.Bold = state.Italic = state.Underline = state.Strike = false;
            state.*style = true;
            state.FontText = "Style ";
            styles.Add(state, TagPage::Font);
        }
        add("styles_one_by_one", styles.Fragment());
        // The style elements wrap the coloured font element: their lines keep the text's
        // surrounding colour.
        state.Bold = state.Italic = state.Underline = state.Strike = true;
        state.FontText = "文字と色";
        state.FontSize = "5";
        state.FontColor = Palette("青");
        add("styles_around_colour", ComposeFragment(state, TagPage::Font));
    }
    {
        ComposerState state = Selecting({TagPage::Gradation});
        state.GradationText = "あいうえお";
        state.GradationEnd = Palette("赤");
        add("gradation", ComposeFragment(state, TagPage::Gradation));
        // Long enough to wrap: every line break falls between characters of their own
        // colour, and the lines must break where the browser breaks them.
        state.GradationText = "グラデーションの文字は、一文字ずつ色が変わります。Each letter "
                              "gets a colour of its own, and long lines wrap as any text "
                              "does: 「括弧」や句読点、English words-with-hyphens too.";
        state.FontSize = "5";
        state.PageSelected[static_cast<std::size_t>(TagPage::Font)] = true;
        add("gradation_long", ComposeFragment(state, TagPage::Gradation));
    }
    {
        ComposerState state = Selecting({TagPage::Paragraph});
        Pieces aligned;
        for (const char* align : {"Left", "Center", "Right"}) {
            state.Align = align;
            state.ParagraphText = std::string("段落 ") + align;
            aligned.Add(state, TagPage::Paragraph);
        }
        add("paragraph_alignments", aligned.Fragment());
    }
    {
        ComposerState plain = Selecting({TagPage::Font});
        plain.FontText = "base ";
        Pieces raised;
        raised.Add(plain, TagPage::Font);
        ComposerState state = Selecting({TagPage::Paragraph, TagPage::Font});
        state.FontText = "上付き";
        state.VerticalPosition = "Sup";
        raised.Add(state, TagPage::Font);
        state.FontText = "下付き";
        state.VerticalPosition = "Sub";
        raised.Add(state, TagPage::Font);
        add("sup_and_sub", raised.Fragment());
    }
    {
        ComposerState state = Selecting({TagPage::Paragraph});
        Pieces raised;
        state.ParagraphText = "右の上付き";
        state.VerticalPosition = "Sup";
        state.Align = "Right";
        raised.Add(state, TagPage::Paragraph);
        state.ParagraphText = "中央の下付き";
        state.VerticalPosition = "Sub";
        state.Align = "Center";
        raised.Add(state, TagPage::Paragraph);
        add("sup_and_sub_aligned", raised.Fragment());
    }
    {
        ComposerState state = Selecting({TagPage::Font, TagPage::Hyperlink});
        state.FontText = "リンク link";
        state.Bold = state.Italic = state.Underline = true;
        state.FontColor = Palette("赤");
        state.LinkUrl = "a.htm";
        add("link_with_styles", ComposeFragment(state, TagPage::Font));
        state.Bold = state.Italic = state.Underline = false;
        state.FontColor = MakeInitialState({}).FontColor;
        state.FontText = "plain link";
        add("link_plain", ComposeFragment(state, TagPage::Font));
    }
    {
        ComposerState state = Selecting({TagPage::Image});
        state.ImageSrc = "pic.png";
        add("image", "before" + ComposeFragment(state, TagPage::Image) + "after");
    }
    {
        ComposerState state = Selecting({TagPage::Marquee});
        state.MarqueeText = "流れる文字";
        state.MarqueeBgColor = Palette("黄色");
        add("scrolling_band", ComposeFragment(state, TagPage::Marquee) + "below");
    }
    {
        ComposerState state = Selecting({TagPage::Font, TagPage::Hyperlink, TagPage::Paragraph});
        state.FontText = "組み合わせ abc";
        state.Bold = true;
        state.FontColor = Palette("緑");
        state.FontSize = "5";
        state.LinkUrl = "a.htm";
        state.Align = "Center";
        add("font_link_paragraph", ComposeFragment(state, TagPage::Font));
    }
    {
        ComposerState state = Selecting({TagPage::Symbol, TagPage::Font});
        state.FontColor = Palette("赤");
        add("symbol_misnested_unclosed",
            ComposeFragment(state, TagPage::Symbol, "<B><I>x</B>y</I> <U>open") + " after");
    }
    return cases;
}

} // namespace

const std::vector<PreviewCase>& PreviewCases() {
    static const std::vector<PreviewCase> cases = MakeCases();
    return cases;
}

} // namespace quillet::test
