// Draws the preview of one fragment to a PNG file, the page as the preview window's column
// shows it, for a look beside a browser's rendering of the same fragment.
// Usage: preview_shot FRAGMENT_FILE OUTPUT.png [WIDTH HEIGHT]; the file is code page 932.

#include "preview/CPreviewWindow.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: preview_shot FRAGMENT_FILE OUTPUT.png [WIDTH HEIGHT]\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray fragment = file.readAll();
    const int width = argc > 4 ? std::atoi(argv[3]) : 640;
    const int height = argc > 4 ? std::atoi(argv[4]) : 160;
    QWidget owner;
    quillet::CPreviewWindow preview(&owner);
    preview.resize(width, height);
    preview.show();
    preview.SetFragment(fragment.toStdString());
    const QList<QWidget*> blocks = preview.Blocks();
    QCoreApplication::processEvents();
    // The page the blocks stand on, without the scroll area's frame.
    QWidget* page = blocks.isEmpty() ? &preview : blocks[0]->parentWidget();
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, page->grab().toImage());
    painter.end();
    return picture.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
