#pragma once

#include "platform/Prompts.h"

namespace quillet {

// The real dialogs of the toolkit.
class QtPrompts : public Prompts {
public:
    bool AskYesNo(QWidget* parent, const QString& text, MessageIcon icon) override;
    void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) override;
    std::optional<ChosenFile> SaveFileName(QWidget* parent, const FileRequest& request) override;
    std::optional<QString> OpenFileName(QWidget* parent, const FileRequest& request) override;
    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override;
};

} // namespace quillet
