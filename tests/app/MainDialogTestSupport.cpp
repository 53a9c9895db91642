#include "MainDialogTestSupport.h"

#include "app/CPageTabControl.h"
#include "controls/CTipToolBar.h"
#include "platform/TextCodec.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

namespace quillet::test {

void MainDialogTest::SetUp() {
    ASSERT_TRUE(m_config.isValid() && m_data.isValid() && m_program.isValid());
    ::setenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit().constData(), 1);
    ::setenv("XDG_DATA_HOME", m_data.path().toLocal8Bit().constData(), 1);
}

void MainDialogTest::TearDown() {
    m_dialog.reset();
}

void MainDialogTest::StoreSettings(const AppSettings& settings) {
    ASSERT_TRUE(SaveSettings(settings, SettingsFilePath()));
}

CMainDialog& MainDialogTest::Open() {
    const UserSymbolFolders folders{m_program.path().toStdString(), m_data.path().toStdString()};
    m_dialog =
        std::make_unique<CMainDialog>(m_prompts, MainDialogPlaces{folders, &m_symbolDialogs});
    m_dialog->show();
    QCoreApplication::processEvents();
    return *m_dialog;
}

bool MainDialogTest::StillRunsAfter(const std::function<void()>& action) {
    // Timers die with `scope`, so none fires into a later test when the loop ended early.
    QObject scope;
    bool ranOn = false;
    QTimer::singleShot(0, &scope, [&] {
        action();
        // A loop told to end runs no more timers; a living one comes here.
        QTimer::singleShot(1, &scope, [&] {
            ranOn = m_dialog->isVisible();
            m_dialog->close();
        });
    });
    m_dialog->exec();
    return ranOn;
}

AppSettings MainDialogTest::StoredSettings() const {
    return LoadSettings(SettingsFilePath());
}

bool MainDialogTest::SettingsFileExists() const {
    return std::filesystem::exists(SettingsFilePath());
}

void MainDialogTest::SelectTab(int page) {
    QTabBar* bar = Find<CPageTabControl>(1002)->Bar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
}

void MainDialogTest::RightClickTab(int page) {
    QTabBar* bar = Find<CPageTabControl>(1002)->Bar();
    QTest::mouseClick(bar, Qt::RightButton, {}, bar->tabRect(page).center());
}

void MainDialogTest::ClickCurrentTab() {
    SelectTab(m_dialog->CurrentPage());
}

void MainDialogTest::TypeMain(const QString& text) {
    auto* edit = Find<QLineEdit>(1020);
    // Key simulation knows only the Latin keyboard; other text arrives as an input method
    // would commit it.
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(edit, c.toLatin1());
        } else {
            edit->insert(c);
        }
    }
}

void MainDialogTest::Choose(int listId, const QString& item) {
    auto* list = Find<QComboBox>(listId);
    const int index = list->findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void MainDialogTest::Press(int commandId) {
    for (auto* bar : m_dialog->findChildren<CTipToolBar*>()) {
        if (QAction* action = bar->ActionForCommand(commandId)) {
            action->trigger();
            return;
        }
    }
    FAIL() << "no button for " << commandId;
}

QString MainDialogTest::Fragment() {
    return FromCp932(m_dialog->Tags().RebuildTag());
}

int MainDialogTest::OuterWidth() const {
    return m_dialog->width() + 8;
}

int MainDialogTest::OuterHeight() const {
    return m_dialog->height() + 27;
}

} // namespace quillet::test
