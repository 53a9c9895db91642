#pragma once

#include "platform/Prompts.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace quillet::test {

using Messages = std::vector<std::pair<QString, MessageIcon>>;

// Answers every question as the test has set it up and keeps what was asked and shown.
class FakePrompts : public Prompts {
public:
    bool AskYesNo(QWidget*, const QString& text, MessageIcon icon) override {
        asked.emplace_back(text, icon);
        return yes;
    }
    void ShowMessage(QWidget*, const QString& text, MessageIcon icon) override {
        shown.emplace_back(text, icon);
    }
    std::optional<ChosenFile> SaveFileName(QWidget*, const FileRequest& request) override {
        saveRequests.push_back(request);
        return saveAnswer;
    }
    std::optional<QString> OpenFileName(QWidget*, const FileRequest& request) override {
        openRequests.push_back(request);
        return openAnswer;
    }
    std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) override {
        colorRequests.emplace_back(parent, initial);
        if (whileChoosingColor) {
            whileChoosingColor();
        }
        return colorAnswer;
    }

    bool yes = true;
    std::optional<ChosenFile> saveAnswer; // none: Cancel
    std::optional<QString> openAnswer;
    std::optional<QColor> colorAnswer;
    std::function<void()> whileChoosingColor; // runs while the chooser would be open
    Messages asked, shown;
    std::vector<FileRequest> saveRequests, openRequests;
    std::vector<std::pair<QWidget*, QColor>> colorRequests;
};

} // namespace quillet::test
