#include "app/ComposerApp.h"

#include "app/HelpPage.h"
#include "app/MainDialog.h"
#include "controls/DialogFont.h"
#include "platform/Folders.h"
#include "platform/QtPrompts.h"
#include "platform/TerminationSignal.h"
#include "symbols/UserSymbolFile.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTimer>

#include <cstdlib>

namespace quillet {
namespace {

// Silent unless asked for with QT_LOGGING_RULES="quillet.startup.info=true": tells where an
// installed program found its files, for the install check and for bug reports.
Q_LOGGING_CATEGORY(startupLog, "quillet.startup", QtWarningMsg)

// An installed program brings the toolkit's translations along; otherwise Qt's own are used.
QStringList TranslationFolders() {
    QStringList folders;
    if (const auto data = InstalledDataFolder(ExecutablePath())) {
        folders << QString::fromStdString((*data / "translations").string());
    }
    folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    return folders;
}

// Ends open menus and dialogs as Esc would (a question answered "no", a chooser
// cancelled), so that their loops return and the main window can close.
void CloseNestedWindows(const QDialog& main) {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (!popup->close()) {
            break;
        }
    }
    while (auto* nested = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        if (nested == &main) {
            break;
        }
        nested->reject();
        if (QApplication::activeModalWidget() == nested) {
            break;
        }
    }
}

} // namespace

CComposerApp::CComposerApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The toolkit's own buttons ("Yes", "Open", ...) speak the program's language too.
    for (const QString& folder : TranslationFolders()) {
        if (m_toolkitTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"),
                                QStringLiteral("_"), folder)) {
            installTranslator(&m_toolkitTexts);
            qCInfo(startupLog).noquote() << "translations:" << m_toolkitTexts.filePath();
            break;
        }
    }
}

int CComposerApp::Run() {
    UseDialogFont();
    QtPrompts prompts;
    CMainDialog dialog(prompts);
    dialog.SetHelpHandler([&prompts, &dialog] { OpenHelpPage(dialog, prompts); });
    // Ending the session or `kill` closes the window like its close box, keeping the settings.
    TerminationSignal termination;
    QObject::connect(&termination, &TerminationSignal::Received, &dialog, [&dialog] {
        CloseNestedWindows(dialog);
        dialog.close();
    });
    QTimer::singleShot(0, &dialog, [&dialog] {
        qCInfo(startupLog).noquote()
            << "help page:" << InstalledHelpPage().value_or(QStringLiteral("built in"));
        qCInfo(startupLog).noquote()
            << "user symbols:"
            << QString::fromStdString(UserSymbolPath(DefaultUserSymbolFolders()).string());
        qCInfo(startupLog) << "window shown:" << dialog.isVisible();
    });
    // The dialog's result only says which way it was closed: either way the run succeeded.
    dialog.exec();
    return EXIT_SUCCESS;
}

} // namespace quillet
