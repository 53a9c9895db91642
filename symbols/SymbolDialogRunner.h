#pragma once

#include "symbols/SymbolRecord.h"

#include <QString>

#include <optional>

class QWidget;

namespace quillet {

// The symbol dialog behind a seam, like the message boxes of Prompts, so that tests answer
// it without a nested event loop.
class SymbolDialogRunner {
public:
    virtual ~SymbolDialogRunner() = default;

    // Opens the dialog titled `title` with the three texts (code page 932); the texts after
    // OK, none after Cancel.
    virtual std::optional<SymbolRecord> Run(QWidget* parent, const QString& title,
                                            const SymbolRecord& texts) = 0;
};

// The real, modal CSymbolDialog.
class QtSymbolDialogRunner : public SymbolDialogRunner {
public:
    std::optional<SymbolRecord> Run(QWidget* parent, const QString& title,
                                    const SymbolRecord& texts) override;
};

} // namespace quillet
