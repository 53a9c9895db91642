#include "controls/CToolWindow.h"

#include "controls/ToolWindowPlacement.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace quillet {
namespace {

geom::Rect FromQRect(const QRect& r) {
    return geom::Rect::OfSize(r.x(), r.y(), r.width(), r.height());
}

// As the window system tells it now: the widget's own copy can lag behind the window
// manager. None before the window is framed.
QMargins FrameMargins(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr && window.isVisible() ? handle->frameMargins() : QMargins();
}

// A window not framed yet stands where its frame will, and gets a frame like the owner's.
QRect FrameOf(const QWidget& window, const QMargins& ownerFrame) {
    const QMargins frame = FrameMargins(window);
    if (!frame.isNull()) {
        return window.geometry().marginsAdded(frame);
    }
    return {window.geometry().topLeft(), window.size().grownBy(ownerFrame)};
}

} // namespace

CToolWindow::CToolWindow(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void CToolWindow::PlaceBeside(const QWidget& owner, std::optional<geom::Rect> kept,
                              const QWidget* other, bool second) {
    const QMargins ownerFrame = FrameMargins(owner);
    const QMargins frame = FrameMargins(*this).isNull() ? ownerFrame : FrameMargins(*this);
    const QSize extra = QSize(0, 0).grownBy(frame);
    // A place kept on another screen is judged on that screen.
    const QScreen* screen = owner.screen();
    if (kept) {
        const QPoint centre((kept->left + kept->right) / 2, (kept->top + kept->bottom) / 2);
        if (const QScreen* keptScreen = QGuiApplication::screenAt(centre)) {
            screen = keptScreen;
        }
    }
    if (screen == nullptr) {
        return;
    }
    ToolWindowPlacement placement;
    placement.screen = FromQRect(screen->availableGeometry());
    placement.owner = FromQRect(FrameOf(owner, ownerFrame));
    if (kept) {
        placement.kept = geom::Rect::OfSize(kept->left, kept->top, kept->Width() + extra.width(),
                                            kept->Height() + extra.height());
    }
    if (other != nullptr && other->isVisible()) {
        placement.other = FromQRect(FrameOf(*other, ownerFrame));
    }
    const QSize outer = size().grownBy(frame);
    placement.size = {outer.width(), outer.height()};
    placement.second = second;
    const geom::Rect spot = PlaceToolWindow(placement);
    resize(std::max(spot.Width() - extra.width(), 1), std::max(spot.Height() - extra.height(), 1));
    move(spot.left, spot.top);
}

geom::Rect CToolWindow::KeptRect() const {
    const QRect frame = FrameOf(*this, QMargins());
    return geom::Rect::OfSize(frame.x(), frame.y(), width(), height());
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
