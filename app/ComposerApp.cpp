#include "app/ComposerApp.h"

#include "app/HelpPage.h"
#include "app/MainDialog.h"
#include "platform/Prompts.h"

#include <QFont>
#include <QLibraryInfo>
#include <QLocale>

namespace quillet {
namespace {

const QString kDialogFace = QStringLiteral("ＭＳ Ｐゴシック");

} // namespace

CComposerApp::CComposerApp(int& argc, char** argv) : QApplication(argc, argv) {
    // The toolkit's own buttons ("Yes", "Open", ...) speak the program's language too.
    if (m_toolkitTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"),
                            QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(&m_toolkitTexts);
    }
}

QFont CComposerApp::DialogFont() {
    QFont font(kDialogFace);
    font.setPointSize(9);
    return font;
}

void CComposerApp::UseDialogFont() {
    QFont::insertSubstitution(kDialogFace, QStringLiteral("IPAPGothic"));
    QApplication::setFont(DialogFont());
}

bool CComposerApp::StartUp() {
    UseDialogFont();
    QtPrompts prompts;
    CMainDialog dialog(prompts);
    dialog.SetHelpHandler([&prompts, &dialog] {
        if (const Status opened = OpenHelpPage(); !opened) {
            prompts.ShowMessage(&dialog, HelpErrorText(opened.Failure()), MessageIcon::Error);
        }
    });
    dialog.exec();
    return false;
}

} // namespace quillet
