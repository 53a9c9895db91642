// The symbol page and the commands that reach it from every page, and the two text fields'
// drag and drop.
#include "app/MainDialog.h"

#include "controls/CDragEdit.h"
#include "controls/CTipToolBar.h"
#include "symbols/SymbolPageView.h"

#include <QComboBox>
#include <QTreeView>

namespace quillet {

void CMainDialog::CreateSymbolPage() {
    SymbolPageSetup setup;
    setup.list = m_symbolList;
    setup.filterBox = m_choiceList;
    setup.userSymbolFile = m_userSymbolFile;
    setup.columnWidths = {m_settings.ColumnName, m_settings.ColumnType, m_settings.ColumnContent};
    setup.hooks.enableCommand = [this](int commandId, bool enabled) {
        m_styleBar->EnableCommand(commandId, enabled);
    };
    setup.hooks.showPage = [this] { ShowPage(); };
    m_symbolPage = std::make_unique<SymbolPageView>(*m_composer, m_prompts, *m_symbolDialogs,
                                                    std::move(setup));
}

void CMainDialog::RegisterSymbol() {
    m_symbolPage->RegisterSymbol();
}

void CMainDialog::ClearPages() {
    m_symbolPage->ClearPages();
}

std::string CMainDialog::SymbolContentAt(int row) const {
    return m_symbolPage != nullptr ? m_symbolPage->SymbolContentAt(row) : std::string();
}

// Set-up failures leave plain edits, which is all the user would notice; nothing to report.
void CMainDialog::EnableDragDrop() {
    for (CDragEdit* edit : {m_mainEdit, m_secondEdit}) {
        edit->EnableDragDrop(CDragEdit::kDragSource | CDragEdit::kDropTarget);
    }
}

} // namespace quillet
