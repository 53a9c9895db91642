#include "controls/CToolWindow.h"

#include <QCloseEvent>
#include <QScreen>

#include <algorithm>

namespace quillet {

CToolWindow::CToolWindow(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void CToolWindow::PlaceBeside(const QWidget& owner, const QWidget* above) {
    const QRect frame = owner.frameGeometry();
    const QScreen* screen = owner.screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    int top = frame.top();
    if (above != nullptr && above->isVisible()) {
        top = std::max(top, above->frameGeometry().bottom() + 1);
    }
    QPoint at(frame.right() + 1, top);
    if (available.isValid() && at.x() + width() > available.right()) {
        at.setX(std::max(available.left(), frame.left() - width()));
    }
    move(at);
}

void CToolWindow::done(int) {
    // Escape and any accept end up here; the window closes for good, as by its close box.
    close();
}

void CToolWindow::closeEvent(QCloseEvent* event) {
    // Not the dialog's own handling, which would only hide the window.
    event->accept();
    emit Closed();
}

} // namespace quillet
