#pragma once

#include "controls/Geometry.h"

#include <QDialog>

#include <optional>

namespace quillet {

// A small modeless tool window beside the main window. Closing it (its close box, Escape
// or the owner's toggle) always goes through close(), which announces Closed and deletes
// the window, so that its owner's flag and check mark never fall out of step with it.
// Enter does nothing.
class CToolWindow : public QDialog {
    Q_OBJECT

public:
    explicit CToolWindow(QWidget* parent);

    // Moves and sizes the window as PlaceToolWindow decides: at `kept` (in the form of
    // KeptRect) while that still lies on a screen, else beside the owner; clear of `other`
    // when that window shows. The second of a pair goes below or beside the first.
    void PlaceBeside(const QWidget& owner, std::optional<geom::Rect> kept = std::nullopt,
                     const QWidget* other = nullptr, bool second = false);
    // Where the window stands, to be given back to PlaceBeside at the next opening: the
    // left and top of its frame, and its size inside the frame, which a frame guessed
    // before the window manager draws it cannot change.
    geom::Rect KeptRect() const;

    void done(int result) override;

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace quillet
