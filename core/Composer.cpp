#include "core/Composer.h"

#include "core/CommandIds.h"
#include "core/ComposerTexts.h"
#include "core/Composition.h"
#include "core/MarqueeTag.h"
#include "core/PageReset.h"
#include "core/PageSelection.h"
#include "core/StyleToggles.h"
#include "core/SymbolContent.h"

#include <algorithm>
#include <optional>

namespace quillet {
namespace {

std::optional<TagPage> PageOf(int index) {
    if (!IsValidPage(index)) {
        return std::nullopt;
    }
    return static_cast<TagPage>(index);
}

} // namespace

Composer::Composer(ComposerView& view) : Composer(view, MakeInitialState(view.Colors())) {}

Composer::Composer(ComposerView& view, ComposerState state)
    : m_view(view), m_state(std::move(state)) {}

const std::string& Composer::RebuildTag() {
    if (!m_view.HasControls()) {
        m_view.EnableOutputButtons(false);
        m_fragment.clear();
        return m_fragment;
    }

    const std::optional<TagPage> page = PageOf(m_view.CurrentPage());
    std::string symbolContent;
    if (page == TagPage::Font) {
        m_view.SetSampleTip(ControlId::ColorSample, m_state.FontColor.Name);
    } else if (page == TagPage::Gradation) {
        m_view.SetSampleTip(ControlId::GradationStartSample, m_state.GradationStart.Name);
        m_view.SetSampleTip(ControlId::GradationEndSample, m_state.GradationEnd.Name);
    } else if (page == TagPage::Marquee) {
        m_view.SetSampleTip(ControlId::ColorSample, m_state.MarqueeBgColor.Name);
        m_view.SetSpeedLabel(SpeedLabelText(m_state.MarqueeSpeed));
    } else if (page == TagPage::Symbol) {
        symbolContent = SymbolContent(m_state, m_view);
    }

    std::optional<SampleFont> sample;
    if (page) {
        ComposeFragmentInto(m_fragment, m_state, *page, symbolContent, &sample);
    } else {
        m_fragment.clear();
        AppendSelectedElements(m_fragment, m_state, {}, &sample);
    }
    if (sample) {
        m_state.SampleHeight = sample->PixelHeight;
        m_view.SetSampleFont(*sample);
    }
    m_view.ShowInSourceWindow(m_fragment);
    m_view.EnableOutputButtons(!m_fragment.empty());
    return m_fragment;
}

std::string Composer::FragmentInStyle(OutputStyle style) const {
    if (!m_view.HasControls()) {
        return {};
    }
    ComposerState state = m_state;
    state.Style = style;
    const std::optional<TagPage> page = PageOf(m_view.CurrentPage());
    if (!page) {
        return WrapSelectedElements(state, {});
    }
    const std::string symbolContent =
        page == TagPage::Symbol ? SymbolContent(state, m_view) : std::string();
    return ComposeFragment(state, *page, symbolContent);
}

void Composer::SetMainText(std::string text) {
    if (const std::optional<TagPage> page = PageOf(m_view.CurrentPage())) {
        if (auto field = MainTextField(*page)) {
            m_state.*field = std::move(text);
        }
    }
    RebuildTag();
}

void Composer::SetLinkUrl(std::string url) {
    m_state.LinkUrl = std::move(url);
    RebuildTag();
}

void Composer::SetFontFace(std::string face) {
    m_state.FontFace = std::move(face);
    RebuildTag();
}

bool Composer::SetChoice(std::string item) {
    const std::optional<TagPage> page = PageOf(m_view.CurrentPage());
    bool addEnabled = false;
    if (page == TagPage::Symbol) {
        addEnabled = item == UserSymbolCategory();
        // The list is rebuilt for the new category, so no row of the old one stays chosen.
        m_state.SymbolSelection = -1;
    }
    if (page) {
        if (auto field = ChoiceField(*page)) {
            m_state.*field = std::move(item);
        }
    }
    RebuildTag();
    return addEnabled;
}

void Composer::SetMarqueeSpeed(int speed) {
    m_state.MarqueeSpeed = std::clamp(speed, kMinMarqueeSpeed, kMaxMarqueeSpeed);
    RebuildTag();
}

void Composer::SetPageColor(const ColorChoice& choice, bool gradationEnd) {
    if (const std::optional<TagPage> page = PageOf(m_view.CurrentPage())) {
        if (ColorChoice* slot = ColorSlot(m_state, *page, gradationEnd)) {
            *slot = choice;
        }
    }
    RebuildTag();
}

bool Composer::PressStyleButton(int commandId) {
    if (!ApplyStyleToggle(m_state, commandId, m_view)) {
        return false;
    }
    RebuildTag();
    return true;
}

void Composer::SelectOnly(int page) {
    quillet::SelectOnly(m_state, page);
}

void Composer::ToggleSelected(int page) {
    quillet::ToggleSelected(m_state, page);
}

void Composer::ResetPageInputs(int page) {
    quillet::ResetPageInputs(m_state, page, m_view);
}

} // namespace quillet
