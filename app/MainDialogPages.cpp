// Pages and tabs: what each page shows, where it stands, and the tab gestures that switch
// and combine pages. All of it walks the page table.
#include "app/MainDialog.h"

#include "app/CColorSwatch.h"
#include "app/CPageTabControl.h"
#include "app/DialogTemplate.h"
#include "app/ListSearch.h"
#include "app/PageTable.h"
#include "controls/CDragEdit.h"
#include "controls/CTipToolBar.h"
#include "core/CommandIds.h"
#include "core/PageSelection.h"
#include "platform/TextCodec.h"
#include "symbols/SymbolPageView.h"

#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QToolBar>

#include <algorithm>

namespace quillet {
namespace {

// The template's label boxes leave nothing to spare, and the dialog font's stand-in face
// sets some texts wider: the colon of the symbol page's label would be cut off. A label
// takes its box, or its text's width where that is more.
void FitLabel(QLabel* label, int id, DialogBaseUnits base) {
    int width = label->width();
    if (const std::optional<geom::Rect> rect = TemplateRect(id)) {
        width = DialogUnitsToPixels(*rect, base).Width();
    }
    label->resize(std::max(width, label->sizeHint().width()), label->height());
}

} // namespace

int CMainDialog::CurrentPage() const {
    if (m_tabs == nullptr || m_tabs->CurrentIndex() < 0) {
        return m_settings.TabPage;
    }
    return m_tabs->CurrentIndex();
}

geom::Size CMainDialog::OuterSize() const {
    return OuterFromClient({width(), height()});
}

void CMainDialog::ShowPage() {
    for (int id : PageControls()) {
        if (QWidget* control = Control(id)) {
            control->hide();
        }
    }
    m_choiceList->clear();
    m_choices.clear();

    const int index = CurrentPage();
    if (!IsValidPage(index)) {
        return;
    }
    const TagPage page = static_cast<TagPage>(index);
    const PageLayout& row = PageLayoutOf(page);
    for (int id : row.controls) {
        Control(id)->show();
    }
    for (int command : StyleToolBarButtons()) {
        const bool shown = std::find(row.styleButtons.begin(), row.styleButtons.end(), command) !=
                           row.styleButtons.end();
        m_styleBar->ShowCommand(command, shown);
    }
    for (const LabelText& label : row.labels) {
        auto* text = static_cast<QLabel*>(Control(label.label));
        text->setText(FromCp932(label.text));
        FitLabel(text, label.label, m_baseUnits);
        text->show();
    }
    if (page == TagPage::Symbol) {
        // Fills the filter box and the list from TypeIndex itself.
        m_symbolPage->ShowSymbolPage();
    } else {
        for (const char* choice : row.choices) {
            m_choices.emplace_back(choice);
            m_choiceList->addItem(FromCp932(choice));
        }
        PutStateIntoControls(page);
    }

    m_marks.ShowPage(index);
    ApplyTabMarks();
    ApplyAccess();
    RepaintSamples();
}

// Filling the text fields raises their change notifications, which store the same text
// back and regenerate, exactly as typing would.
void CMainDialog::PutStateIntoControls(TagPage page) {
    const ComposerState& state = m_composer->State();
    if (const auto field = MainTextField(page)) {
        m_mainEdit->setText(FromCp932(state.*field));
    }
    if (page == TagPage::Hyperlink) {
        m_secondEdit->setText(FromCp932(state.LinkUrl));
    }
    if (page == TagPage::Font) {
        SelectByPrefix(m_faceList, m_faces, state.FontFace);
    }
    if (const auto field = ChoiceField(page)) {
        SelectByPrefix(m_choiceList, m_choices, state.*field);
    }
    if (page == TagPage::Marquee) {
        const QSignalBlocker blocker(m_slider);
        m_slider->setValue(state.MarqueeSpeed);
    }
}

void CMainDialog::SelectByPrefix(QComboBox* list, const std::vector<std::string>& entries,
                                 const std::string& text) {
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(FindFirstWithPrefix(entries, text));
}

void CMainDialog::LayoutPage() {
    if (m_tabs == nullptr || m_layingOut) {
        return;
    }
    m_layingOut = true;
    const int index = CurrentPage();
    const TagPage page = IsValidPage(index) ? static_cast<TagPage>(index) : TagPage::Font;
    ApplySizeLimits(index);

    const int outerWidth = OuterSize().width;
    int outerHeight = OuterHeightFor(index, m_settings.WindowHeight);
    if (page == TagPage::Symbol) {
        if (const QScreen* screen = this->screen()) {
            // A remembered height taller than the screen would hide the window's lower part.
            outerHeight =
                std::clamp(outerHeight, kSymbolPageMinHeight,
                           std::max(kSymbolPageMinHeight, screen->availableGeometry().height()));
        }
    }
    resize(width(), ClientFromOuter({outerWidth, outerHeight}).height);
    if (page == TagPage::Symbol) {
        outerHeight = OuterSize().height;
    }

    for (const ResolvedPlacement& place : LayoutFor(page, outerWidth, outerHeight)) {
        QWidget* control = Control(place.control);
        if (control == nullptr) {
            continue;
        }
        QRect rect = control->geometry();
        rect.moveTo(place.x.value_or(rect.x()), place.y.value_or(rect.y()));
        int width = place.width.value_or(rect.width());
        if (auto* bar = qobject_cast<QToolBar*>(control)) {
            // A tool bar narrower than its buttons would fold the last ones into an
            // overflow menu; the separator after them may be cut, a button may not.
            width = std::max(width, bar->sizeHint().width());
        }
        rect.setWidth(std::max(0, width));
        int height = place.height.value_or(rect.height());
        if (place.heightOfMainEdit) {
            height = m_mainEdit->height();
        }
        rect.setHeight(std::max(0, height));
        control->setGeometry(rect);
    }
    m_layingOut = false;
}

void CMainDialog::ApplySizeLimits(int page) {
    const SizeLimits limits = LimitsFor(page);
    const geom::Size minimum = ClientFromOuter({limits.minWidth, limits.minHeight});
    setMinimumSize(minimum.width, minimum.height);
    const int maxHeight =
        limits.maxHeight ? ClientFromOuter({0, *limits.maxHeight}).height : QWIDGETSIZE_MAX;
    setMaximumSize(QWIDGETSIZE_MAX, maxHeight);
}

void CMainDialog::ApplyTabMarks() {
    QTabBar* bar = m_tabs->Bar();
    for (int tab = 0; tab < bar->count() && tab < kPageCount; ++tab) {
        const TabLook look = m_marks.Tab(tab);
        if (look.image >= 0 && look.image < static_cast<int>(m_tabImages.size())) {
            bar->setTabIcon(tab, m_tabImages[static_cast<std::size_t>(look.image)]);
        }
        bar->setTabText(tab,
                        look.showsText ? FromCp932(TabText(static_cast<TagPage>(tab))) : QString());
    }
    setWindowTitle(FromCp932(m_marks.Title()));
}

void CMainDialog::OnTabSelectionChanged(int page) {
    m_composer->State().MultiSelect = false;
    m_composer->SelectOnly(page);
    ShowPage();
    LayoutPage();
    m_composer->RebuildTag();
}

void CMainDialog::OnTabRightClicked(int tab) {
    const int current = CurrentPage();
    if (tab == current) {
        return;
    }
    ComposerState& state = m_composer->State();
    if (!state.MultiSelect) {
        state.MultiSelect = true;
        EnterMultiSelect(current);
    }
    if (CanCombine(current, tab)) {
        m_composer->ToggleSelected(tab);
        ShowIncluded(tab);
    }
    update();
    m_composer->RebuildTag();
}

void CMainDialog::OnCurrentTabClicked(int tab) {
    ComposerState& state = m_composer->State();
    if (tab != CurrentPage() || !state.MultiSelect) {
        return;
    }
    state.MultiSelect = false;
    m_composer->SelectOnly(tab);
    ShowPage();
    m_composer->RebuildTag();
}

void CMainDialog::EnterMultiSelect(int current) {
    m_marks.EnterMultiSelect(current, &CanCombine);
    ApplyTabMarks();
}

void CMainDialog::ShowIncluded(int page) {
    m_marks.ShowIncluded(page, IsSelected(m_composer->State(), page));
    ApplyTabMarks();
}

} // namespace quillet
