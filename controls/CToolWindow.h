#pragma once

#include <QDialog>

namespace quillet {

// A small modeless tool window beside the main window. Closing it (its close box, Escape
// or the owner's toggle) always goes through close(), which announces Closed and deletes
// the window, so that its owner's flag and check mark never fall out of step with it.
// Enter does nothing.
class CToolWindow : public QDialog {
    Q_OBJECT

public:
    explicit CToolWindow(QWidget* parent);

    // Beside the owner's right edge, at the owner's top or just below `above` when that
    // window is showing; left of the owner when the right side has no room on its screen.
    void PlaceBeside(const QWidget& owner, const QWidget* above = nullptr);

    void done(int result) override;

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace quillet
