// Renders the program's own controls to PNG files, for a look at the artwork and the
// drawing: every tool bar, the action menu with its drag entry disabled, the browse button
// in its states, the tab images and the colour popup. Usage: controls_gallery OUTPUT_FOLDER

#include "controls/CColorPopup.h"
#include "controls/CImageButton.h"
#include "controls/CImageMenu.h"
#include "controls/CTipToolBar.h"
#include "controls/DialogFont.h"
#include "core/CommandIds.h"
#include "platform/QtPrompts.h"
#include "resources/ResourceIds.h"
#include "resources/ResourceImages.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QMenu>
#include <QPainter>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using namespace quillet;

bool Save(const QWidget& widget, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!const_cast<QWidget&>(widget).grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool ToolBars(const QDir& dir) {
    bool ok = true;
    for (const int id : {136, 140, 143, 144}) {
        CTipToolBar bar(id);
        ok = bar.LoadToolBarResource(id) == 1 && ok;
        bar.resize(bar.sizeHint());
        bar.show();
        ok = Save(bar, dir, QStringLiteral("toolbar-%1").arg(id)) && ok;
    }

    // The window tools as the main window shows them: stay on top pressed.
    CTipToolBar window(140);
    window.LoadToolBarResource(140);
    window.DeleteButton(1);
    window.CheckCommand(CommandId::StayOnTop, true);
    window.SetButtonImage(0, 1);
    window.CheckCommand(CommandId::SourceWindow, true);
    window.resize(window.sizeHint());
    window.show();
    ok = Save(window, dir, QStringLiteral("toolbar-140-pressed")) && ok;

    // The output split button as it will be prepared.
    CTipToolBar output(136);
    output.LoadToolBarResource(136);
    while (output.ButtonCount() > 1) {
        output.DeleteButton(1);
    }
    output.setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    output.ButtonAt(0)->setPopupMode(QToolButton::MenuButtonPopup);
    output.ButtonAt(0)->setMenu(new QMenu(&output));
    output.SetButtonText(0, QStringLiteral("名前を付けて保存"));
    output.SetButtonImage(0, 2);
    // Qt's drop-down arrow needs room of its own beside the text.
    output.SetButtonSize(QSize(output.ButtonAt(0)->sizeHint().width(), 22));
    output.resize(output.sizeHint());
    output.show();
    ok = Save(output, dir, QStringLiteral("toolbar-136-split")) && ok;
    return ok;
}

bool ActionMenu(const QDir& dir) {
    CImageMenu images;
    images.LoadToolBarImages(resource::OutputToolBar);
    QMenu* menu = CImageMenu::LoadMenuResource(resource::ActionMenu);
    images.MakeOwnerDraw(menu);
    images.UpdateMenuStates(menu, [](int id) { return id != CommandId::Drag; });
    menu->popup(QPoint(0, 0));
    bool ok = Save(*menu, dir, QStringLiteral("action-menu"));
    menu->setActiveAction(menu->actions().at(0));
    ok = Save(*menu, dir, QStringLiteral("action-menu-copy-highlighted")) && ok;
    menu->setActiveAction(menu->actions().at(1));
    ok = Save(*menu, dir, QStringLiteral("action-menu-drag-highlighted")) && ok;
    menu->hide();
    delete menu;
    return ok;
}

bool BrowseButton(const QDir& dir) {
    QWidget row;
    auto* layout = new QHBoxLayout(&row);
    CImageButton* buttons[4];
    for (auto*& button : buttons) {
        button = new CImageButton(QStringLiteral("参照(&B)..."), &row);
        button->setFixedSize(88, 24); // 50 x 15 dialog units in the dialog font
        button->LoadButtonIcon(resource::BrowseIcon, 16, 16);
        layout->addWidget(button);
    }
    buttons[1]->setDown(true);
    buttons[2]->setEnabled(false);
    row.show();
    QApplication::setActiveWindow(&row);
    buttons[3]->setFocus();
    return Save(row, dir, QStringLiteral("browse-button"));
}

bool Tabs(const QDir& dir) {
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);
    QImage sheet(7 * 24, 3 * 24, QImage::Format_ARGB32);
    sheet.fill(QApplication::palette().color(QPalette::Window));
    QPainter painter(&sheet);
    for (int i = 0; i < 21; ++i) {
        painter.drawImage((i % 7) * 24 + 2, (i / 7) * 24 + 2,
                          LoadTabImage(resource::TabBitmaps[i], highlight).normal);
    }
    painter.end();
    return sheet.save(dir.filePath(QStringLiteral("tab-images.png")));
}

bool ColorPopup(const QDir& dir) {
    QtPrompts prompts;
    CColorPopup popup(nullptr, QPoint(0, 0), {}, prompts);
    popup.setAttribute(Qt::WA_DeleteOnClose, false);
    popup.show();
    return Save(popup, dir, QStringLiteral("color-popup"));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: controls_gallery OUTPUT_FOLDER\n");
        return 2;
    }
    quillet::UseDialogFont();
    QDir dir;
    if (!dir.mkpath(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    dir.setPath(QString::fromLocal8Bit(argv[1]));
    // Every control is drawn, also after one failed.
    const bool drawn[] = {ToolBars(dir), ActionMenu(dir), BrowseButton(dir), Tabs(dir),
                          ColorPopup(dir)};
    return std::ranges::all_of(drawn, std::identity()) ? 0 : 1;
}
