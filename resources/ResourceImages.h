#pragma once

#include "resources/ToolBarLayout.h"

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <optional>

// The pictures and tool-bar layouts compiled into the program, keyed by their resource
// numbers (resources/ResourceIds.h). A missing or damaged resource gives a null image or
// no value; nothing here fails loudly.
namespace quillet {

// A picture as drawn and its double, drawn for screens of twice the density (NAME@2x). The
// double is null when it is missing; pixmaps are then scaled from the picture as drawn.
struct PixelArt {
    QImage normal;
    QImage doubled;

    bool IsNull() const { return normal.isNull(); }
    QSize Size() const { return normal.size(); }
};

// The layout of a tool bar; none when the resource is missing or damaged.
std::optional<ToolBarLayout> LoadToolBarLayout(int id);

// The image strip of a tool bar, light grey (192, 192, 192) made transparent.
PixelArt LoadToolBarStrip(int id);

// Image `index` of a strip of images `size` wide, or a null image when the strip is too short.
QImage StripImage(const QImage& strip, QSize size, int index);
// The same cut from both sizes; `size` is that of the picture as drawn.
PixelArt StripImage(const PixelArt& strip, QSize size, int index);

// A tab image: magenta (255, 0, 255) becomes `highlight`, light grey transparent.
PixelArt LoadTabImage(int id, const QColor& highlight);

// The check-mark bitmap: grey (128) becomes `shadow`, light grey `face`, black stays; then
// `highlight` is transparent.
PixelArt LoadCheckImage(const QColor& shadow, const QColor& face, const QColor& highlight);

// An icon at its drawn size, transparent where it is blank.
PixelArt LoadIconImage(int id);

// An icon with every size it is drawn in, each also at twice the size for dense screens.
QIcon LoadIcon(int id);

// The program icon: the window icon and the desktop's.
QIcon ProgramIcon();

// The cursor with its hot spot, for a screen of `devicePixelRatio`; the arrow when the
// resource is missing.
QCursor LoadCursor(int id, qreal devicePixelRatio = 1.0);

// A pixmap for a screen of `devicePixelRatio`, scaled by a whole factor without
// smoothing so that pixel art stays crisp.
QPixmap CrispPixmap(const QImage& image, qreal devicePixelRatio);
// The same, starting from the drawn double on screens of an even factor.
QPixmap CrispPixmap(const PixelArt& art, qreal devicePixelRatio);

// An icon holding the picture at 1x and 2x, for tool buttons, menus and tabs.
QIcon CrispIcon(const PixelArt& art);

} // namespace quillet
