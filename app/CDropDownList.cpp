#include "app/CDropDownList.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace quillet {

void CDropDownList::showPopup() {
    QAbstractItemView* list = view();
    int wanted = list->sizeHintForColumn(0) + 2 * list->frameWidth();
    if (count() > maxVisibleItems()) {
        wanted += list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    }
    // The popup's layout keeps it at least as wide as the list's minimum.
    list->setMinimumWidth(std::max(width(), wanted));
    QComboBox::showPopup();
}

} // namespace quillet
