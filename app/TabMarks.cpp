#include "app/TabMarks.h"

#include "app/PageTable.h"

namespace quillet {

TabMarks::TabMarks() {
    ShowPage(0);
}

void TabMarks::ShowPage(int page) {
    if (!IsValidPage(page)) {
        return;
    }
    for (int index = 0; index < kPageCount; ++index) {
        m_tabs[static_cast<std::size_t>(index)] = {NormalImage(index), false};
    }
    m_tabs[static_cast<std::size_t>(page)] = {IncludedImage(page), true};
    m_page = page;
    m_titleMarked = false;
}

void TabMarks::EnterMultiSelect(int current, CanCombineFn canCombine) {
    if (!IsValidPage(current)) {
        return;
    }
    m_tabs[static_cast<std::size_t>(current)].image = IncludedImage(current);
    for (int index = 0; index < kPageCount; ++index) {
        if (index != current && !canCombine(current, index)) {
            m_tabs[static_cast<std::size_t>(index)] = {BarredImage(index), false};
        }
    }
    m_titleMarked = true;
}

void TabMarks::ShowIncluded(int page, bool included) {
    if (!IsValidPage(page)) {
        return;
    }
    m_tabs[static_cast<std::size_t>(page)] = {included ? IncludedImage(page) : NormalImage(page),
                                              false};
}

std::string TabMarks::Title() const {
    std::string title = "Quillet - " + TabText(static_cast<TagPage>(m_page));
    if (m_titleMarked) {
        title += "[複数選択]";
    }
    return title;
}

} // namespace quillet
