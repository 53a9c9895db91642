#pragma once

#include "output/CToolWindow.h"

#include <QList>

#include <string>

class QAction;
class QMenu;
class QPlainTextEdit;

namespace quillet {

// The tool window showing the fragment as it is regenerated.
class CSourceWindow : public CToolWindow {
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

private:
    QPlainTextEdit* m_view = nullptr;
    std::string m_fragment;
    QList<QAction*> m_menuActions;
};

} // namespace quillet
