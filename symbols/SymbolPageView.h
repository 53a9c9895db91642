#pragma once

#include "symbols/BackgroundDisposal.h"
#include "symbols/SymbolListModel.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QComboBox;
class QTreeView;
class QWidget;

namespace quillet {

class Composer;
class Prompts;
class SymbolDialogRunner;
class SymbolTableModel;
class UserRowsLoader;

// Pixel widths of the symbol list's three columns, as the settings keep them.
struct SymbolColumnWidths {
    int name = 80;
    int type = 60;
    int content = 200;

    bool operator==(const SymbolColumnWidths&) const = default;
};

// What the symbol page needs from the main window besides the composer.
struct SymbolPageHooks {
    // Enables or disables CommandId::AddSymbol, DeleteSymbol or EditSymbol on the style tool bar.
    std::function<void(int commandId, bool enabled)> enableCommand;
    // Shows the current page anew from the state; on the symbol page it must end in
    // ShowSymbolPage. Run after Clear.
    std::function<void()> showPage;
};

struct SymbolPageSetup {
    // ControlId::SymbolList. A plain QTreeView: the page gives it its model (a QTreeWidget refuses
    // one).
    QTreeView* list = nullptr;
    // ControlId::ChoiceList, the drop-down box the pages share.
    QComboBox* filterBox = nullptr;
    std::filesystem::path userSymbolFile;
    // Widths outside 0 to 32767 fall back to the defaults.
    SymbolColumnWidths columnWidths;
    SymbolPageHooks hooks;
    // A user symbol file at least this long is read on a thread of its own while the list
    // shows the built-in rows; a shorter one is read at once.
    std::uintmax_t backgroundReadBytes = 256 * 1024;
};

// The symbol page's window side: shows the symbol list and the filter box, forwards their
// events to SymbolListModel and carries out the page's commands, keeping TypeIndex and
// SymbolSelection of the composer's state in step. The composer, the prompts, the dialog
// runner and both controls must outlive it.
class SymbolPageView : public QObject {
    Q_OBJECT

public:
    SymbolPageView(Composer& composer, Prompts& prompts, SymbolDialogRunner& dialogs,
                   SymbolPageSetup setup, QObject* parent = nullptr);
    ~SymbolPageView() override;

    // The symbol page's part of showing it: the seven filters in the box, the one TypeIndex
    // begins with selected, the list rebuilt with nothing selected. The caller then
    // composes the fragment.
    void ShowSymbolPage();

    // CommandId::AddSymbol to CommandId::RegisterSymbol; false for any other command.
    bool HandleCommand(int commandId);
    void AddSymbol();
    void DeleteSymbol();
    // Ctrl+Z in the list, or 元に戻す(&U) in its context menu.
    void UndoDelete();
    void EditSymbol();
    // Stores the current fragment as a user symbol; works from every page.
    void RegisterSymbol();
    // Resets the inputs of the selected pages after the user agreed.
    void ClearPages();

    // The content of a row in code page 932, empty for no such row: what the composer asks
    // its view for.
    std::string SymbolContentAt(int row) const;
    // The columns' current widths, for the settings written at close.
    SymbolColumnWidths ColumnWidths() const;
    const SymbolListModel& Rows() const { return m_model; }
    // True until the rows of a user symbol file read in the background are listed.
    bool IsLoading() const { return m_model.AwaitsUserRows(); }
    // Lists the rows of a background read now, waiting for it if need be.
    void FinishLoading();

private:
    enum class Scroll { Top, Keep };

    void OnSelectionChanged();
    void OnFilterChosen(int index);
    void OnHeaderClicked(int column);

    void Rebuild();
    // After a rebuild that left the user rows out: reads them now or starts the reader.
    SymbolPageUpdate ReadUserRows(SymbolPageUpdate update);
    void OnRowsRead();
    // Runs a change that adds, removes or reorders rows, then shows the model's selection.
    SymbolPageUpdate ChangeRows(const std::function<SymbolPageUpdate()>& change, Scroll scroll);
    void SelectInList(int row);
    void Apply(const SymbolPageUpdate& update);
    void ShowFileError(const FileError& error);
    bool IsSymbolPageShown() const;
    const std::string& TypeIndex() const;
    QWidget* Window() const;

    Composer& m_composer;
    Prompts& m_prompts;
    SymbolDialogRunner& m_dialogs;
    SymbolPageHooks m_hooks;
    QPointer<QTreeView> m_list;
    QPointer<QComboBox> m_filterBox;
    SymbolListModel m_model;
    QPointer<QAction> m_undoDelete;
    // Declared after the rows it shows, so it goes first.
    std::unique_ptr<SymbolTableModel> m_table;
    std::uintmax_t m_backgroundReadBytes;
    BackgroundDisposal m_disposal;
    // Declared last: its thread is waited for before anything it hands rows to goes.
    std::unique_ptr<UserRowsLoader> m_loader;
    // Set while the page itself changes the list's selection.
    bool m_syncing = false;
};

} // namespace quillet
