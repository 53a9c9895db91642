#pragma once

#include "controls/Geometry.h"
#include "output/DefaultAction.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QMimeData;
class QToolButton;
class QWidget;

namespace quillet {

class CSourceWindow;
class CTipToolBar;
class CToolWindow;
class Prompts;

// What the output actions need from the main window. Texts are code page 932.
struct OutputHost {
    // Regenerates and returns the fragment; asked afresh whenever an action runs.
    std::function<std::string()> RebuildTag;
    // CommandId::RegisterSymbol and CommandId::ClearPages of the action menu. A command left
    // empty has no handler, and its menu entry is disabled.
    std::function<void()> RegisterSymbol;
    std::function<void()> ClearPages;
    // Where "WindowSource" lives: on while the source window is open. Without them the flag
    // is kept here.
    std::function<bool()> SourceWindowFlag;
    std::function<void(bool)> SetSourceWindowFlag;
    // Puts the source window in its place just before it shows; without it, the window
    // goes beside the main window.
    std::function<void(CToolWindow&)> PlaceSourceWindow;
    // Where the source window stood as it closed (CToolWindow::KeptRect).
    std::function<void(geom::Rect)> KeepSourceWindowPlace;
    // Commands of the window offered in the source window's context menu after its own.
    QList<QAction*> SourceWindowMenu;
    // Runs the drag of the fragment; empty for the platform's drag from the split button.
    std::function<void(std::unique_ptr<QMimeData>)> StartDrag;
    // True while the fragment is HTML5 style, which leaves the program as UTF-8.
    std::function<bool()> Html5Style;
};

// Copy, save, the default action of the split button, its action menu, and the source
// window. The main window owns one, hands it its resource::OutputToolBar (prepared with
// PrepareSplitButton) and its resource::WindowToolBar, and routes the commands to it.
class OutputActions : public QObject {
    Q_OBJECT

public:
    OutputActions(QWidget& window, CTipToolBar& outputBar, CTipToolBar& windowBar, Prompts& prompts,
                  OutputHost host);
    ~OutputActions() override;

    // Held here and shown on the split button; copy until told otherwise.
    void SetDefaultAction(DefaultAction action);
    DefaultAction CurrentDefaultAction() const { return m_defaultAction; }

    void CopyTag();            // CommandId::Copy
    void DragTag();            // CommandId::Drag: makes drag the default, for the split button
    void SaveTag();            // CommandId::Save
    void RunDefaultAction();   // CommandId::RunDefaultAction, the Enter key
    void ShowActionMenu();     // the split button's arrow
    void ToggleSourceWindow(); // CommandId::SourceWindow

    // At start, after the flag has been read: opens the source window when it was open. It
    // shows with ShowSourceWindow, once the owner stands on the screen.
    void RestoreSourceWindow();
    // Shows an open source window that does not show yet, in its place.
    void ShowSourceWindow();
    // Each regeneration's fragment; shown while the source window is open.
    void ShowInSourceWindow(const std::string& fragment);

    // True for the commands RunCommand carries out.
    bool HasHandler(int commandId) const;
    // Runs an output command, a command of the action menu or the source window toggle;
    // false for a command without a handler here, which is then left alone.
    bool RunCommand(int commandId);

    // Null while the source window is closed.
    CSourceWindow* SourceWindow() const;

    // The folder the fragment was last saved to; empty before the first save. The save
    // chooser opens there, or in the home folder while it is missing.
    const QString& LastSaveFolder() const { return m_lastSaveFolder; }
    // The folder kept from an earlier run.
    void SetLastSaveFolder(const QString& folder) { m_lastSaveFolder = folder; }

signals:
    void LastSaveFolderChanged(const QString& folder);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string RebuildTag() const;
    bool Html5Style() const;
    // The fragment's clipboard and drag data in the output style.
    std::unique_ptr<QMimeData> FragmentMimeData(const std::string& fragment) const;
    bool SourceFlag() const;
    void SetSourceFlag(bool flag);
    void OpenSourceWindow();
    void CloseSourceWindow();
    void OnSourceWindowClosed();
    // Split-button mouse events while it shows the drag action; true when taken.
    bool FilterDragPress(QEvent* event);
    void StartFragmentDrag();

    QWidget& m_window;
    CTipToolBar& m_outputBar;
    CTipToolBar& m_windowBar;
    Prompts& m_prompts;
    OutputHost m_host;
    bool m_ownSourceFlag = false;
    DefaultAction m_defaultAction = DefaultAction::Copy;
    QPointer<QToolButton> m_splitButton;
    QPointer<CSourceWindow> m_sourceWindow;
    QString m_lastSaveFolder;
    // Where the left button went down on the split button showing drag; null otherwise.
    std::optional<QPoint> m_dragPress;
};

} // namespace quillet
