#include "controls/CImageMenu.h"

#include "controls/Emboss.h"
#include "platform/TextCodec.h"
#include "resources/MenuTable.h"
#include "resources/ResourceIds.h"
#include "resources/ResourceImages.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace quillet {

namespace {

QRect ToQRect(geom::Rect r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

geom::Rect FromQRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

int CommandOf(const QAction* action) {
    return action->data().toInt();
}

} // namespace

// Routes the measuring and drawing of converted menus to their CImageMenu.
class ImageMenuStyle : public QProxyStyle {
public:
    explicit ImageMenuStyle(const CImageMenu& owner) : m_owner(owner) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_MenuItem) {
            if (const QAction* action = ActionOf(option, widget)) {
                if (auto measured = m_owner.MeasureMenuItem(action)) {
                    return *measured;
                }
            }
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_MenuEmptyArea) {
            painter->fillRect(option->rect, m_owner.Color(SystemColor::Menu));
            return;
        }
        if (element == CE_MenuItem) {
            const QAction* action = ActionAt(option->rect, widget);
            MenuItemState state;
            state.selected = (option->state & State_Selected) != 0;
            state.disabled = (option->state & State_Enabled) == 0;
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                state.checked = item->checked;
            }
            if (action != nullptr && m_owner.DrawMenuItem(*painter, action, option->rect, state)) {
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelMenu) {
            painter->fillRect(option->rect, m_owner.Color(SystemColor::Menu));
            return;
        }
        if (element == PE_FrameMenu) {
            // A raised two-pixel edge, as the tool-bar buttons are raised.
            const QPalette& palette = option->palette;
            DrawEdge(*painter, option->rect, palette.color(QPalette::Button),
                     palette.color(QPalette::Shadow));
            DrawEdge(*painter, option->rect.adjusted(1, 1, -1, -1), palette.color(QPalette::Light),
                     palette.color(QPalette::Dark));
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        // Entries fill the menu from edge to edge inside its frame.
        if (metric == PM_MenuHMargin || metric == PM_MenuVMargin) {
            return 0;
        }
        if (metric == PM_MenuPanelWidth) {
            return kFrameWidth;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override {
        // A disabled entry is highlighted too, in its own colours.
        if (hint == SH_Menu_AllowActiveAndDisabled) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, data);
    }

private:
    static constexpr int kFrameWidth = 2;

    static void DrawEdge(QPainter& painter, const QRect& r, const QColor& topLeft,
                         const QColor& bottomRight) {
        painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
        painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
        painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
    }

    // Sizes are asked for in action order, without the action; the text and kind of the
    // option identify the entry among the menu's actions well enough to measure it.
    const QAction* ActionOf(const QStyleOption* option, const QWidget* widget) const {
        const auto* menu = qobject_cast<const QMenu*>(widget);
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (menu == nullptr || item == nullptr) {
            return nullptr;
        }
        for (const QAction* action : menu->actions()) {
            const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
            if (action->isSeparator() == separator && (separator || action->text() == item->text)) {
                return action;
            }
        }
        return nullptr;
    }

    static const QAction* ActionAt(const QRect& rect, const QWidget* widget) {
        const auto* menu = qobject_cast<const QMenu*>(widget);
        return menu != nullptr ? menu->actionAt(rect.center()) : nullptr;
    }

    const CImageMenu& m_owner;
};

CImageMenu::CImageMenu(bool popup)
    : CImageMenu(popup, QApplication::palette("QMenu"), QApplication::font("QMenu")) {}

CImageMenu::CImageMenu(bool popup, const QPalette& palette, const QFont& menuFont)
    : m_popup(popup), m_menuFont(menuFont), m_style(std::make_unique<ImageMenuStyle>(*this)) {
    auto set = [this](SystemColor role, const QColor& color) {
        m_colors[static_cast<std::size_t>(role)] = color;
    };
    set(SystemColor::MenuText, palette.color(QPalette::Active, QPalette::WindowText));
    set(SystemColor::HighlightText, palette.color(QPalette::Active, QPalette::HighlightedText));
    set(SystemColor::ButtonFace, palette.color(QPalette::Active, QPalette::Button));
    set(SystemColor::Menu, palette.color(QPalette::Active, QPalette::Window));
    set(SystemColor::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    set(SystemColor::ButtonHighlight, palette.color(QPalette::Active, QPalette::Light));
    set(SystemColor::ButtonShadow, palette.color(QPalette::Active, QPalette::Dark));
    set(SystemColor::GrayText, palette.color(QPalette::Disabled, QPalette::Text));
    m_check = LoadCheckImage(Color(SystemColor::ButtonShadow), Color(SystemColor::ButtonFace),
                             Color(SystemColor::ButtonHighlight));
}

CImageMenu::~CImageMenu() {
    // A menu that outlives this object goes back to its own style.
    for (const QPointer<QMenu>& menu : m_menus) {
        if (menu != nullptr && menu->style() == m_style.get()) {
            menu->setStyle(nullptr);
        }
    }
}

QColor CImageMenu::Color(SystemColor color) const {
    return m_colors[static_cast<std::size_t>(color)];
}

bool CImageMenu::LoadToolBarImages(int id) {
    const auto layout = LoadToolBarLayout(id);
    const PixelArt strip = LoadToolBarStrip(id);
    if (!layout || strip.IsNull()) {
        return false;
    }
    m_imageSize = QSize(layout->imageWidth, layout->imageHeight);
    m_images.clear();
    for (int i = 0; i < layout->ImageCount(); ++i) {
        m_images.push_back(StripImage(strip, m_imageSize, i));
    }
    m_imageMap = BuildImageMap(layout->itemIds);
    return true;
}

void CImageMenu::MakeOwnerDraw(QMenu* menu) {
    if (menu != nullptr) {
        Convert(menu, true);
    }
}

void CImageMenu::Convert(QMenu* menu, bool topLevel) {
    const QList<QAction*> actions = menu->actions();
    for (auto it = actions.rbegin(); it != actions.rend(); ++it) {
        QAction* action = *it;
        if (m_items.contains(action)) {
            continue;
        }
        const std::string text = ToCp932(action->text());
        if (QMenu* submenu = action->menu()) {
            // The submenu stays reachable; its entry is drawn like a command without image.
            Convert(submenu, false);
            if (!text.empty()) {
                m_items.emplace(action, MakeSubmenuItem(text, !m_popup && topLevel));
            }
        } else if (action->isSeparator()) {
            m_items.emplace(action, MakeSeparatorItem());
        } else {
            m_items.emplace(action, MakeCommandItem(text, CommandOf(action), m_imageMap));
        }
        QObject::connect(action, &QObject::destroyed, m_style.get(),
                         [this, action] { m_items.erase(action); });
    }
    menu->setStyle(m_style.get());
    m_menus.emplace_back(menu);
}

void CImageMenu::UpdateMenuStates(QMenu* menu,
                                  const std::function<bool(int commandId)>& hasHandler) {
    if (menu == nullptr) {
        return;
    }
    const QList<QAction*> actions = menu->actions();
    for (auto it = actions.rbegin(); it != actions.rend(); ++it) {
        QAction* action = *it;
        if (QMenu* submenu = action->menu()) {
            UpdateMenuStates(submenu, hasHandler);
        } else if (!action->isSeparator()) {
            action->setEnabled(hasHandler && hasHandler(CommandOf(action)));
        }
    }
}

const ImageMenuItem* CImageMenu::ItemFor(const QAction* action) const {
    const auto it = m_items.find(action);
    return it != m_items.end() ? &it->second : nullptr;
}

QSize CImageMenu::TextSize(const QString& text) const {
    // The raw text: an "&" takes room here although it is drawn as an underline.
    return QFontMetrics(m_menuFont).size(Qt::TextExpandTabs, text);
}

std::optional<QSize> CImageMenu::MeasureMenuItem(const QAction* action) const {
    const ImageMenuItem* item = ItemFor(action);
    if (item == nullptr) {
        return std::nullopt;
    }
    const QSize text = TextSize(FromCp932(item->text));
    const geom::Size size = quillet::MeasureMenuItem(
        *item, {m_imageSize.width(), m_imageSize.height()}, {text.width(), text.height()});
    return QSize(size.width, size.height);
}

bool CImageMenu::DrawMenuItem(QPainter& painter, const QAction* action, const QRect& rect,
                              MenuItemState state) const {
    const ImageMenuItem* item = ItemFor(action);
    if (item == nullptr) {
        return false;
    }
    const QString text = FromCp932(item->text);
    const MenuItemPlan plan =
        PlanMenuItem(*item, FromQRect(rect), state, {m_imageSize.width(), m_imageSize.height()},
                     TextSize(text).height());
    painter.save();
    if (plan.separator) {
        painter.setPen(Color(SystemColor::ButtonShadow));
        painter.drawLine(plan.lineLeft, plan.shadowY, plan.lineRight - 1, plan.shadowY);
        painter.setPen(Color(SystemColor::ButtonHighlight));
        painter.drawLine(plan.lineLeft, plan.highlightY, plan.lineRight - 1, plan.highlightY);
        painter.restore();
        return true;
    }

    // The image square keeps the menu colour when only the text part is highlighted.
    painter.fillRect(rect, Color(SystemColor::Menu));
    painter.fillRect(ToQRect(plan.background), Color(plan.backgroundColor));
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    if (plan.drawImage) {
        const QRect square = ToQRect(plan.imageSquare);
        const bool raised = plan.frame == ImageFrame::Raised;
        const QColor topLeft = Color(raised ? SystemColor::ButtonHighlight : SystemColor::Menu);
        const QColor bottomRight = Color(raised ? SystemColor::ButtonShadow : SystemColor::Menu);
        painter.fillRect(square.left(), square.top(), square.width() - 1, 1, topLeft);
        painter.fillRect(square.left(), square.top(), 1, square.height() - 1, topLeft);
        painter.fillRect(square.left() + 1, square.bottom(), square.width() - 1, 1, bottomRight);
        painter.fillRect(square.right(), square.top(), 1, square.height(), bottomRight);

        const QPoint at(plan.imageAt.x, plan.imageAt.y);
        if (item->image < static_cast<int>(m_images.size())) {
            const PixelArt& image = m_images[item->image];
            if (plan.embossed) {
                painter.drawPixmap(
                    at, CrispPixmap(EmbossedImage(image.normal, Color(SystemColor::ButtonHighlight),
                                                  Color(SystemColor::ButtonShadow)),
                                    ratio));
            } else {
                painter.fillRect(QRect(at, m_imageSize), Color(SystemColor::ButtonFace));
                painter.drawPixmap(at, CrispPixmap(image, ratio));
            }
        }
    } else if (plan.drawCheck && !m_check.IsNull()) {
        painter.drawPixmap(QPoint(plan.checkAt.x, plan.checkAt.y), CrispPixmap(m_check, ratio));
    }

    painter.setFont(m_menuFont);
    const int flags = Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;
    for (const TextPass& pass : plan.textPasses) {
        painter.setPen(Color(pass.color));
        const QRect box = ToQRect(pass.rect);
        if (plan.text.hasTab) {
            painter.drawText(box, flags | Qt::AlignLeft, FromCp932(plan.text.label));
            painter.drawText(box, flags | Qt::AlignRight, FromCp932(plan.text.accelerator));
        } else {
            painter.drawText(box, flags | Qt::AlignLeft | Qt::TextExpandTabs, text);
        }
    }
    painter.restore();
    return true;
}

QMenu* CImageMenu::LoadMenuResource(int id, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QString::number(id));
    for (const MenuEntry& entry : LoadMenu(id)) {
        if (entry.commandId == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(FromCp932(entry.text));
        action->setData(entry.commandId);
        action->setObjectName(QString::number(entry.commandId));
    }
    return menu;
}

} // namespace quillet
