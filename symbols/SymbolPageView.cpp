#include "symbols/SymbolPageView.h"

#include "core/CommandIds.h"
#include "core/Composer.h"
#include "platform/FileErrorText.h"
#include "platform/Prompts.h"
#include "platform/TextCodec.h"
#include "symbols/SymbolDialogRunner.h"
#include "symbols/SymbolFilter.h"
#include "symbols/SymbolOrder.h"
#include "symbols/SymbolTableModel.h"
#include "symbols/UserRowsLoader.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeView>

namespace quillet {
namespace {

int StoredWidth(int stored, int fallback) {
    return stored >= 0 && stored <= 0x7FFF ? stored : fallback;
}

} // namespace

SymbolPageView::SymbolPageView(Composer& composer, Prompts& prompts, SymbolDialogRunner& dialogs,
                               SymbolPageSetup setup, QObject* parent)
    : QObject(parent), m_composer(composer), m_prompts(prompts), m_dialogs(dialogs),
      m_hooks(std::move(setup.hooks)), m_list(setup.list), m_filterBox(setup.filterBox),
      m_model(std::move(setup.userSymbolFile)),
      m_table(std::make_unique<SymbolTableModel>(m_model)),
      m_backgroundReadBytes(setup.backgroundReadBytes),
      m_loader(std::make_unique<UserRowsLoader>()) {
    m_list->setModel(m_table.get());
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAllColumnsShowFocus(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setIconSize(QSize(16, 16));
    m_list->setSortingEnabled(false);

    // Headers sort through the model, always ascending, with no mark.
    QHeaderView* header = m_list->header();
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setSortIndicatorShown(false);
    // The content column keeps the width the user gave it, so that it is the one saved.
    header->setStretchLastSection(false);
    const SymbolColumnWidths defaults;
    const SymbolColumnWidths& widths = setup.columnWidths;
    m_list->setColumnWidth(NameColumn, StoredWidth(widths.name, defaults.name));
    m_list->setColumnWidth(TypeColumn, StoredWidth(widths.type, defaults.type));
    m_list->setColumnWidth(ContentColumn, StoredWidth(widths.content, defaults.content));

    // The list's own menu and shortcut: the window menu stays on the empty background.
    m_undoDelete = new QAction(QStringLiteral("元に戻す(&U)"), m_list);
    m_undoDelete->setObjectName(QStringLiteral("UndoDelete"));
    m_undoDelete->setShortcut(QKeySequence::Undo);
    m_undoDelete->setShortcutContext(Qt::WidgetShortcut);
    m_undoDelete->setEnabled(false);
    m_list->addAction(m_undoDelete);
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_undoDelete, &QAction::triggered, this, &SymbolPageView::UndoDelete);

    connect(header, &QHeaderView::sectionClicked, this, &SymbolPageView::OnHeaderClicked);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SymbolPageView::OnSelectionChanged);
    connect(m_filterBox, &QComboBox::activated, this, &SymbolPageView::OnFilterChosen);
    connect(m_loader.get(), &UserRowsLoader::Finished, this, &SymbolPageView::OnRowsRead);
}

SymbolPageView::~SymbolPageView() {
    m_loader->Discard();
    if (m_list != nullptr) {
        m_list->setModel(nullptr);
    }
}

void SymbolPageView::ShowSymbolPage() {
    {
        const QSignalBlocker blocker(m_filterBox);
        m_filterBox->clear();
        for (const SymbolFilter filter : kSymbolFilters) {
            m_filterBox->addItem(FromCp932(FilterLabel(filter)));
        }
        m_filterBox->setCurrentIndex(FilterBoxIndex(TypeIndex()));
    }
    Rebuild();
}

bool SymbolPageView::HandleCommand(int commandId) {
    switch (commandId) {
    case CommandId::AddSymbol:
        AddSymbol();
        return true;
    case CommandId::DeleteSymbol:
        DeleteSymbol();
        return true;
    case CommandId::EditSymbol:
        EditSymbol();
        return true;
    case CommandId::ClearPages:
        ClearPages();
        return true;
    case CommandId::RegisterSymbol:
        RegisterSymbol();
        return true;
    default:
        return false;
    }
}

void SymbolPageView::AddSymbol() {
    // Every command below changes or saves the whole list, so it waits for all of it.
    FinishLoading();
    if (!m_model.Commands().add) {
        return;
    }
    const std::optional<SymbolRecord> answer =
        m_dialogs.Run(Window(), QStringLiteral("追加"), SymbolRecord{});
    if (!answer) {
        return;
    }
    // The selected row may move down; SymbolSelection goes with it, so that the next
    // composition still takes the row the user sees selected.
    Apply(ChangeRows([&] { return m_model.Add(TypeIndex(), answer); }, Scroll::Keep));
}

void SymbolPageView::DeleteSymbol() {
    FinishLoading();
    if (!m_model.Commands().remove) {
        return;
    }
    Apply(ChangeRows([&] { return m_model.Delete(TypeIndex()); }, Scroll::Keep));
}

void SymbolPageView::UndoDelete() {
    FinishLoading();
    Apply(ChangeRows([&] { return m_model.UndoDelete(TypeIndex()); }, Scroll::Keep));
}

void SymbolPageView::EditSymbol() {
    FinishLoading();
    const std::optional<SymbolRecord> selected = m_model.SelectedRecord();
    if (!m_model.Commands().edit || !selected) {
        return;
    }
    const int row = m_model.Selection();
    const std::optional<SymbolRecord> answer =
        m_dialogs.Run(Window(), QStringLiteral("編集"), *selected);
    SymbolPageUpdate update = m_model.Edit(TypeIndex(), answer);
    if (answer) {
        m_table->RowChanged(row);
        // The source window and the output buttons follow the row's new content at once.
        update.recomputeFragment = true;
    }
    Apply(update);
}

void SymbolPageView::RegisterSymbol() {
    const std::string fragment = m_composer.RebuildTag();
    const std::optional<SymbolRecord> answer =
        m_dialogs.Run(Window(), QStringLiteral("記号に登録"), SymbolRecord{{}, {}, fragment});
    if (!answer) {
        return;
    }
    // The list is rebuilt for the User filter even while another page hides it, from the
    // file as it is now.
    m_loader->Discard();
    SymbolPageUpdate update = ChangeRows([&] { return m_model.Register(answer); }, Scroll::Top);
    if (IsSymbolPageShown()) {
        // Shown, the box and the fragment must not stay with the filter and row just left.
        const QSignalBlocker blocker(m_filterBox);
        m_filterBox->setCurrentIndex(FilterBoxIndex(FilterLabel(SymbolFilter::User)));
        update.recomputeFragment = true;
    }
    Apply(update);
}

void SymbolPageView::ClearPages() {
    if (!m_prompts.AskYesNo(
            Window(),
            QStringLiteral("現在選択しているページの要素をクリアします。\nよろしいですか。"),
            MessageIcon::None)) {
        return;
    }
    for (int page = 0; page < kPageCount; ++page) {
        if (IsSelected(m_composer.State(), page)) {
            m_composer.ResetPageInputs(page);
        }
    }
    if (m_hooks.showPage) {
        m_hooks.showPage();
    }
    m_composer.RebuildTag();
    if (QWidget* window = Window()) {
        window->update();
    }
}

std::string SymbolPageView::SymbolContentAt(int row) const {
    return std::string(m_model.Content(row));
}

SymbolColumnWidths SymbolPageView::ColumnWidths() const {
    if (m_list == nullptr) {
        return {};
    }
    return {m_list->columnWidth(NameColumn), m_list->columnWidth(TypeColumn),
            m_list->columnWidth(ContentColumn)};
}

void SymbolPageView::OnSelectionChanged() {
    if (m_syncing) {
        return;
    }
    int first = -1;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows()) {
        if (first < 0 || index.row() < first) {
            first = index.row();
        }
    }
    Apply(m_model.SelectRow(first, TypeIndex()));
}

void SymbolPageView::OnFilterChosen(int index) {
    // The box lists other pages' choices while they are shown.
    if (!IsSymbolPageShown() || index < 0 || index >= m_filterBox->count()) {
        return;
    }
    std::string label = ToCp932(m_filterBox->itemText(index));
    m_loader->Discard();
    Apply(ChangeRows(
        [&] {
            return ReadUserRows(
                m_model.ChangeFilter(std::move(label), SymbolListModel::UserRows::Later));
        },
        Scroll::Top));
}

void SymbolPageView::OnHeaderClicked(int column) {
    FinishLoading();
    Apply(ChangeRows([&] { return m_model.SortByColumn(column); }, Scroll::Keep));
}

void SymbolPageView::Rebuild() {
    m_loader->Discard();
    Apply(ChangeRows([this] { return ReadUserRows(m_model.BeginRebuild(TypeIndex())); },
                     Scroll::Top));
}

SymbolPageUpdate SymbolPageView::ReadUserRows(SymbolPageUpdate update) {
    if (!m_model.AwaitsUserRows()) {
        return update;
    }
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(m_model.UserSymbolFile(), error);
    if (!error && size != static_cast<std::uintmax_t>(-1) && size >= m_backgroundReadBytes) {
        m_loader->Start(m_model.UserSymbolFile());
        return update;
    }
    SymbolPageUpdate finished =
        m_model.FinishRebuild(quillet::ReadUserRows(m_model.UserSymbolFile()));
    finished.recomputeFragment = update.recomputeFragment;
    finished.typeIndex = std::move(update.typeIndex);
    return finished;
}

void SymbolPageView::FinishLoading() {
    if (std::optional<LoadedUserRows> rows = m_loader->Wait()) {
        // The rows go in around the selection, which stays on its row.
        Apply(ChangeRows([&] { return m_model.FinishRebuild(std::move(*rows)); }, Scroll::Keep));
    }
}

void SymbolPageView::OnRowsRead() {
    FinishLoading();
}

SymbolPageUpdate SymbolPageView::ChangeRows(const std::function<SymbolPageUpdate()>& change,
                                            Scroll scroll) {
    const QScopedValueRollback syncing(m_syncing, true);
    const int position = m_list->verticalScrollBar()->value();
    SymbolPageUpdate update;
    m_table->ChangeRows([&] { update = change(); });
    if (std::optional<SymbolListModel::DroppedRows> dropped = m_model.TakeDroppedRows()) {
        m_disposal.Dispose(std::move(*dropped));
    }
    m_list->doItemsLayout();
    m_list->verticalScrollBar()->setValue(scroll == Scroll::Keep ? position : 0);
    SelectInList(update.selection);
    return update;
}

void SymbolPageView::SelectInList(int row) {
    const QScopedValueRollback syncing(m_syncing, true);
    QItemSelectionModel* selection = m_list->selectionModel();
    if (row < 0) {
        selection->clear();
        return;
    }
    const QModelIndex index = m_table->index(row, NameColumn);
    selection->setCurrentIndex(index,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(index);
}

void SymbolPageView::Apply(const SymbolPageUpdate& update) {
    ComposerState& state = m_composer.State();
    if (update.typeIndex) {
        state.TypeIndex = *update.typeIndex;
    }
    state.SymbolSelection = update.selection;
    if (m_undoDelete != nullptr) {
        m_undoDelete->setEnabled(m_model.CanUndoDelete(TypeIndex()));
    }
    if (m_hooks.enableCommand) {
        m_hooks.enableCommand(CommandId::AddSymbol, update.commands.add);
        m_hooks.enableCommand(CommandId::DeleteSymbol, update.commands.remove);
        m_hooks.enableCommand(CommandId::EditSymbol, update.commands.edit);
    }
    if (update.fileError) {
        ShowFileError(*update.fileError);
    }
    if (update.recomputeFragment) {
        m_composer.RebuildTag();
    }
}

void SymbolPageView::ShowFileError(const FileError& error) {
    m_prompts.ShowMessage(Window(), FileErrorText(QStringLiteral("ユーザー記号ファイル"), error),
                          MessageIcon::Error);
}

bool SymbolPageView::IsSymbolPageShown() const {
    return m_composer.View().CurrentPage() == static_cast<int>(TagPage::Symbol);
}

const std::string& SymbolPageView::TypeIndex() const {
    return m_composer.State().TypeIndex;
}

QWidget* SymbolPageView::Window() const {
    return m_list != nullptr ? m_list->window() : nullptr;
}

} // namespace quillet
