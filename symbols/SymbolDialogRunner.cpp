#include "symbols/SymbolDialogRunner.h"

#include "symbols/CSymbolDialog.h"

namespace quillet {

std::optional<SymbolRecord> QtSymbolDialogRunner::Run(QWidget* parent, const QString& title,
                                                      const SymbolRecord& texts) {
    CSymbolDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.SetTexts(texts);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Texts();
}

} // namespace quillet
