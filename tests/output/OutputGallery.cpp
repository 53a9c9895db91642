// Renders the split button in each of its actions and the source window to PNG files, for
// a look after changing their drawing. Usage: output_gallery OUTPUT_FOLDER

#include "controls/CTipToolBar.h"
#include "controls/DialogFont.h"
#include "output/SplitButton.h"
#include "resources/ResourceIds.h"
#include "source/CSourceWindow.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

using namespace quillet;

bool Save(QWidget& widget, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quillet::UseDialogFont();
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        return 1;
    }

    bool ok = true;
    CTipToolBar bar(resource::OutputToolBar);
    bar.LoadToolBarResource(resource::OutputToolBar);
    PrepareSplitButton(bar);
    bar.show();
    for (const DefaultAction action :
         {DefaultAction::Copy, DefaultAction::Drag, DefaultAction::Save}) {
        const int index = static_cast<int>(action);
        ShowDefaultAction(bar, action);
        ok = Save(bar, dir, QStringLiteral("split-button-%1").arg(index)) && ok;
    }

    CSourceWindow source(nullptr);
    // "<Font Color="red">記号</Font>" in code page 932.
    source.SetFragment("<Font Color=\"red\"><B>\x8b\x4c\x8d\x86</B></Font><A Href=\"http://"
                       "www.example.com/a/long/address/that/wraps/index.html\">link</A>");
    source.setAttribute(Qt::WA_DeleteOnClose, false);
    source.show();
    ok = Save(source, dir, QStringLiteral("source-window")) && ok;
    return ok ? 0 : 1;
}
