#include "output/ToolWindowPlace.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace quillet {

void PlaceBesideOwner(QWidget& window, const QWidget& owner, const QWidget* above) {
    const QRect frame = owner.frameGeometry();
    const QScreen* screen = owner.screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    int top = frame.top();
    if (above != nullptr && above->isVisible()) {
        top = std::max(top, above->frameGeometry().bottom() + 1);
    }
    QPoint at(frame.right() + 1, top);
    if (available.isValid() && at.x() + window.width() > available.right()) {
        at.setX(std::max(available.left(), frame.left() - window.width()));
    }
    window.move(at);
}

} // namespace quillet
