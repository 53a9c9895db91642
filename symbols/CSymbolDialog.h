#pragma once

#include "symbols/SymbolRecord.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quillet {

// Asks for a symbol's name, type and content: for Add, Edit and Register. The caller sets
// the title. OK is enabled exactly while all three fields hold something (spaces count).
// Each field holds one line: a line break typed, pasted or dropped in becomes a space, so a
// text can never split a record of the user symbol file.
class CSymbolDialog : public QDialog {
    Q_OBJECT

public:
    explicit CSymbolDialog(QWidget* parent = nullptr);

    // Code page 932 texts, filled into the fields; the name is selected, ready to retype.
    void SetTexts(const SymbolRecord& texts);
    // The fields' texts in code page 932.
    SymbolRecord Texts() const;

    void accept() override;

private:
    bool IsComplete() const;
    void UpdateOkButton();

    QLineEdit* m_name = nullptr;
    QLineEdit* m_type = nullptr;
    QLineEdit* m_content = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace quillet
