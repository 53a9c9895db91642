#pragma once

#include "core/TagPage.h"

#include <array>
#include <string>

namespace quillet {

// Pictures of the tab image list: the pages in tab order, then each page marked as
// included, then each page marked as not combinable.
constexpr int NormalImage(int page) {
    return page;
}
constexpr int IncludedImage(int page) {
    return kPageCount + page;
}
constexpr int BarredImage(int page) {
    return 2 * kPageCount + page;
}
inline constexpr int kTabImageCount = 3 * kPageCount;

struct TabLook {
    int image = 0;
    bool showsText = false;

    bool operator==(const TabLook&) const = default;
};

// What the tabs and the window title show. Only the current tab carries its name; the
// others show a picture alone. The marks are kept as set, not derived from the selection
// flags: showing a page again restores the single-page look even while pages stay combined.
class TabMarks {
public:
    using CanCombineFn = bool (*)(int current, int other);

    TabMarks();

    // Every tab plain, the page's tab included and named, the plain title.
    void ShowPage(int page);
    // The current tab included; every tab that cannot join it barred; the title marked.
    void EnterMultiSelect(int current, CanCombineFn canCombine);
    // After a page was included or removed; a page outside 0 to 6 changes nothing.
    void ShowIncluded(int page, bool included);

    TabLook Tab(int index) const { return m_tabs.at(static_cast<std::size_t>(index)); }
    int Page() const { return m_page; }
    bool TitleMarked() const { return m_titleMarked; }

    // "Quillet - " and the page name, with "[複数選択]" while marked. Code page 932.
    std::string Title() const;

private:
    std::array<TabLook, kPageCount> m_tabs{};
    int m_page = 0;
    bool m_titleMarked = false;
};

} // namespace quillet
