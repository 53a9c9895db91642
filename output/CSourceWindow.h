#pragma once

#include <QDialog>
#include <QList>

#include <string>

class QAction;
class QMenu;
class QPlainTextEdit;

namespace quillet {

// A small modeless tool window showing the fragment as it is regenerated. Closing it (its
// close box, Escape or the owner's toggle) always goes through close(), which announces
// Closed and deletes the window, so that its owner's flag and button never fall out of
// step with it. Enter does nothing.
class CSourceWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTextViewId = 1004;

    explicit CSourceWindow(QWidget* parent);

    // The whole fragment, code page 932.
    void SetFragment(const std::string& fragment);
    QString Text() const;

    // Commands of the owner that the text view's context menu offers after its own.
    void SetMenuActions(QList<QAction*> actions) { m_menuActions = std::move(actions); }
    // The text view's context menu, built afresh for each opening.
    QMenu* MakeContextMenu();

    // Beside the owner's right edge when that fits on its screen, else left of it.
    void PlaceBeside(const QWidget& owner);

    void done(int result) override;

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPlainTextEdit* m_view = nullptr;
    std::string m_fragment;
    QList<QAction*> m_menuActions;
};

} // namespace quillet
