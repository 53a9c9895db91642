#pragma once

#include "controls/ImageMenuItem.h"
#include "controls/MenuItemGeometry.h"
#include "controls/ToolBarPlan.h"
#include "resources/ResourceImages.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QAction;
class QMenu;
class QPainter;
class QRect;
class QWidget;

namespace quillet {

class ImageMenuStyle;

// Draws menus with the images their commands have on a tool bar: the image in a square at
// the left, raised when the entry is highlighted, disabled entries embossed, separators
// etched. A menu's actions carry their command id as data (see LoadMenuResource).
//
// The object is not a menu: it converts menus, which then measure and draw their entries
// through it. It may be deleted before or after the menus it converted.
class CImageMenu {
public:
    // Colours and the menu font are taken once, here.
    explicit CImageMenu(bool popup = true);
    CImageMenu(bool popup, const QPalette& palette, const QFont& menuFont);
    ~CImageMenu();
    CImageMenu(const CImageMenu&) = delete;
    CImageMenu& operator=(const CImageMenu&) = delete;

    // The images of a tool-bar resource, for the commands that resource lists. False when
    // the resource is missing or damaged; entries then have no images.
    bool LoadToolBarImages(int id);

    // Takes over the measuring and drawing of every entry of the menu and its submenus.
    void MakeOwnerDraw(QMenu* menu);

    // Enables a command entry exactly when the target has a handler for its command.
    void UpdateMenuStates(QMenu* menu, const std::function<bool(int commandId)>& hasHandler);

    // The size of a converted entry; none for an entry this object did not convert.
    std::optional<QSize> MeasureMenuItem(const QAction* action) const;

    // Draws a converted entry into `rect`; false (and nothing drawn) for any other.
    bool DrawMenuItem(QPainter& painter, const QAction* action, const QRect& rect,
                      MenuItemState state) const;

    const ImageMenuItem* ItemFor(const QAction* action) const;
    QSize ImageSize() const { return m_imageSize; }
    const QFont& MenuFont() const { return m_menuFont; }
    QColor Color(SystemColor color) const;

    // A menu resource as a menu: each action named after its command, with the command as
    // data. Separators are separator actions.
    static QMenu* LoadMenuResource(int id, QWidget* parent = nullptr);

private:
    void Convert(QMenu* menu, bool topLevel);
    QSize TextSize(const QString& text) const;

    bool m_popup;
    QFont m_menuFont;
    std::array<QColor, 8> m_colors;
    QSize m_imageSize{20, 20};
    std::vector<PixelArt> m_images;
    PixelArt m_check;
    std::vector<ImageMapEntry> m_imageMap;
    std::unordered_map<const QAction*, ImageMenuItem> m_items;
    std::vector<QPointer<QMenu>> m_menus;
    std::unique_ptr<ImageMenuStyle> m_style;

    friend class ImageMenuStyle;
};

} // namespace quillet
