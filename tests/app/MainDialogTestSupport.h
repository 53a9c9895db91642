#pragma once

#include "app/MainDialog.h"
#include "symbols/SymbolDialogRunner.h"
#include "tests/support/FakePrompts.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace quillet::test {

// Answers the symbol dialog and keeps what it was opened with.
class FakeSymbolDialogs : public SymbolDialogRunner {
public:
    std::optional<SymbolRecord> Run(QWidget*, const QString& title,
                                    const SymbolRecord& texts) override {
        titles.push_back(title);
        given = texts;
        return answer;
    }

    std::optional<SymbolRecord> answer; // none: Cancel
    std::vector<QString> titles;
    SymbolRecord given;
};

// A fresh window over fresh configuration, data and program folders for every test.
class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a settings file before the window is opened.
    void StoreSettings(const AppSettings& settings);
    CMainDialog& Open();
    // Runs the window as the program does, with exec(), does `action` inside its modal
    // loop and tells whether the loop still ran afterwards. The close box ends it then.
    bool StillRunsAfter(const std::function<void()>& action);
    CMainDialog& Dialog() { return *m_dialog; }
    AppSettings StoredSettings() const;
    bool SettingsFileExists() const;

    template <typename T> T* Find(int id) const {
        return m_dialog->findChild<T*>(QString::number(id));
    }
    void SelectTab(int page);
    void RightClickTab(int page);
    void ClickCurrentTab();
    void TypeMain(const QString& text);
    void Choose(int listId, const QString& item);
    void Press(int commandId);
    // The fragment as the window would hand it on, decoded.
    QString Fragment();
    int OuterWidth() const;
    int OuterHeight() const;

    FakePrompts m_prompts;
    FakeSymbolDialogs m_symbolDialogs;
    QTemporaryDir m_config;
    QTemporaryDir m_data;
    QTemporaryDir m_program; // where the executable would be
    std::unique_ptr<CMainDialog> m_dialog;
};

} // namespace quillet::test
