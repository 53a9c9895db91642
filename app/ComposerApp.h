#pragma once

#include <QApplication>
#include <QTranslator>

namespace quillet {

// The application object: sets up the dialog font, runs the main dialog modally and ends.
// It is given no application name, so message boxes carry the executable's base name.
class CComposerApp : public QApplication {
    Q_OBJECT

public:
    CComposerApp(int& argc, char** argv);

    // Runs the main dialog until it closes and returns the program's exit code.
    int Run();

    // The dialog font: "ＭＳ Ｐゴシック" 9 points, drawn by its metric twin.
    static QFont DialogFont();
    // Installs the substitution and makes the dialog font the application's font.
    static void UseDialogFont();

private:
    QTranslator m_toolkitTexts;
};

} // namespace quillet
