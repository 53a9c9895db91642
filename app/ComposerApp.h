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

private:
    QTranslator m_toolkitTexts;
};

} // namespace quillet
