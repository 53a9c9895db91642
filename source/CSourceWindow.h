#pragma once

#include "controls/CToolWindow.h"

#include <QList>

#include <string>

class QAction;
class QMenu;

namespace quillet {

class FrameCoalescer;
class CSourceTextView;

// The tool window showing the fragment as it is regenerated.
class CSourceWindow : public CToolWindow {
    Q_OBJECT

public:
    static constexpr int kTextViewId = 1004;

    explicit CSourceWindow(QWidget* parent);

    // The whole fragment, code page 932. Shown at once, or with the next frame when fragments
    // arrive faster than frames: the last one always shows. An HTML5 style fragment shows
    // as it leaves the program, with its characters outside the code page as themselves.
    void SetFragment(const std::string& fragment, bool html5 = false);
    // The text shown once a waiting update is in.
    QString Text() const;
    // Puts a waiting fragment in now.
    void ShowPending();

    // Commands of the owner that the text view's context menu offers after its own.
    void SetMenuActions(QList<QAction*> actions) { m_menuActions = std::move(actions); }
    // The text view's context menu, built afresh for each opening.
    QMenu* MakeContextMenu();

private:
    void ShowFragment();

    CSourceTextView* m_view = nullptr;
    FrameCoalescer* m_frames = nullptr;
    std::string m_fragment; // the latest, shown or waiting
    bool m_html5 = false;
    QList<QAction*> m_menuActions;
};

} // namespace quillet
