#include "controls/CTipToolBar.h"

#include "controls/ToolBarPlan.h"
#include "platform/TextCodec.h"
#include "resources/ResourceImages.h"
#include "resources/StringTable.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QPainter>
#include <QToolButton>

namespace quillet {

namespace {

// A fixed-width gap with an etched line, as tool bars draw their separators.
class CSeparatorGap : public QWidget {
public:
    CSeparatorGap(int width, QWidget* parent) : QWidget(parent) {
        setFixedWidth(width);
        setObjectName(QStringLiteral("separator"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int x = width() / 2 - 1;
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(x, 2, x, height() - 3);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(x + 1, 2, x + 1, height() - 3);
    }
};

} // namespace

CTipToolBar::CTipToolBar(int id, QWidget* parent) : QToolBar(parent) {
    setObjectName(QString::number(id));
    setMovable(false);
    setFloatable(false);
    ApplyTightLayout();
}

CTipToolBar::~CTipToolBar() = default;

void CTipToolBar::changeEvent(QEvent* event) {
    QToolBar::changeEvent(event);
    // The tool bar takes its spacing from the style again on every style change.
    if (event->type() == QEvent::StyleChange) {
        ApplyTightLayout();
    }
}

void CTipToolBar::ApplyTightLayout() {
    // Buttons sit side by side with no gaps, so that the bar is exactly as wide as its
    // buttons and separators.
    if (layout() != nullptr) {
        layout()->setSpacing(0);
        layout()->setContentsMargins(0, 0, 0, 0);
    }
    setContentsMargins(0, 0, 0, 0);
}

int CTipToolBar::LoadToolBarResource(int id) {
    const auto layout = LoadToolBarLayout(id);
    const PixelArt strip = LoadToolBarStrip(id);
    const QSize size = layout ? QSize(layout->imageWidth, layout->imageHeight) : QSize();
    if (!layout || strip.IsNull() || strip.Size().height() < size.height() ||
        strip.Size().width() < layout->ImageCount() * size.width()) {
        Clear();
        m_images.clear();
        return 0;
    }
    m_images.clear();
    for (int i = 0; i < strip.Size().width() / size.width(); ++i) {
        m_images.push_back(CrispIcon(StripImage(strip, size, i)));
    }
    const int result = SetButtonIds(layout->itemIds);
    if (result != 0) {
        setIconSize(size);
        const geom::Size button = ToolButtonSize({size.width(), size.height()});
        SetButtonSize(QSize(button.width, button.height));
    }
    return result;
}

int CTipToolBar::SetButtonIds(std::span<const int> ids) {
    Clear();
    for (const PlannedToolButton& planned : PlanToolButtons(ids)) {
        Item item;
        item.commandId = planned.commandId;
        if (planned.separator) {
            item.action = addWidget(new CSeparatorGap(planned.width, this));
        } else {
            item.image = planned.image;
            item.action = addAction(Image(planned.image), QString());
            if (auto* button = qobject_cast<QToolButton*>(widgetForAction(item.action))) {
                if (m_buttonSize.isValid()) {
                    button->setFixedSize(m_buttonSize);
                }
                // Tab reaches every button, Space presses it.
                button->setFocusPolicy(Qt::TabFocus);
            }
            connect(item.action, &QAction::triggered, this, [this, action = item.action] {
                emit CommandTriggered(action->data().toInt());
            });
        }
        ApplyCommand(item);
        m_items.push_back(item);
    }
    return 1;
}

void CTipToolBar::Clear() {
    // Deleting an action deletes its button, or the separator it holds.
    for (const Item& item : m_items) {
        removeAction(item.action);
        delete item.action;
    }
    m_items.clear();
}

void CTipToolBar::ApplyCommand(Item& item) {
    const QString name = QString::number(item.commandId);
    item.action->setData(item.commandId);
    item.action->setObjectName(name);
    if (item.commandId == 0) {
        return;
    }
    item.action->setToolTip(TipForCommand(item.commandId));
    if (QWidget* button = widgetForAction(item.action)) {
        button->setObjectName(name);
        // A button shows only its image; its tip is what it says.
        button->setAccessibleName(TipForCommand(item.commandId));
    }
}

int CTipToolBar::ButtonCount() const {
    return static_cast<int>(m_items.size());
}

int CTipToolBar::CommandAt(int index) const {
    return index >= 0 && index < ButtonCount() ? m_items[index].commandId : -1;
}

int CTipToolBar::IndexOfCommand(int commandId) const {
    if (commandId == 0) {
        return -1; // separators are not commands
    }
    for (int i = 0; i < ButtonCount(); ++i) {
        if (m_items[i].commandId == commandId) {
            return i;
        }
    }
    return -1;
}

bool CTipToolBar::DeleteButton(int index) {
    if (index < 0 || index >= ButtonCount()) {
        return false;
    }
    const Item item = m_items[index];
    m_items.erase(m_items.begin() + index);
    removeAction(item.action);
    delete item.action;
    return true;
}

QToolButton* CTipToolBar::ButtonAt(int index) const {
    if (index < 0 || index >= ButtonCount() || m_items[index].commandId == 0) {
        return nullptr;
    }
    return qobject_cast<QToolButton*>(widgetForAction(m_items[index].action));
}

QToolButton* CTipToolBar::ButtonForCommand(int commandId) const {
    return ButtonAt(IndexOfCommand(commandId));
}

QAction* CTipToolBar::ActionForCommand(int commandId) const {
    const int index = IndexOfCommand(commandId);
    return index >= 0 ? m_items[index].action : nullptr;
}

std::vector<const CTipToolBar::Item*> CTipToolBar::ItemsOf(int commandId) const {
    std::vector<const Item*> items;
    for (const Item& item : m_items) {
        if (commandId != 0 && item.commandId == commandId) {
            items.push_back(&item);
        }
    }
    return items;
}

void CTipToolBar::EnableCommand(int commandId, bool enabled) {
    for (const Item* item : ItemsOf(commandId)) {
        item->action->setEnabled(enabled);
    }
}

void CTipToolBar::ShowCommand(int commandId, bool visible) {
    for (const Item* item : ItemsOf(commandId)) {
        item->action->setVisible(visible);
    }
}

void CTipToolBar::CheckCommand(int commandId, bool checked) {
    for (const Item* item : ItemsOf(commandId)) {
        item->action->setCheckable(true);
        item->action->setChecked(checked);
    }
}

bool CTipToolBar::IsCommandEnabled(int commandId) const {
    const QAction* action = ActionForCommand(commandId);
    return action != nullptr && action->isEnabled();
}

bool CTipToolBar::IsCommandChecked(int commandId) const {
    const QAction* action = ActionForCommand(commandId);
    return action != nullptr && action->isChecked();
}

void CTipToolBar::SetCommand(int index, int commandId) {
    if (index < 0 || index >= ButtonCount() || m_items[index].commandId == 0 || commandId == 0) {
        return;
    }
    m_items[index].commandId = commandId;
    ApplyCommand(m_items[index]);
}

bool CTipToolBar::SetButtonImage(int index, int image) {
    if (index < 0 || index >= ButtonCount() || m_items[index].commandId == 0 || image < 0 ||
        image >= ImageCount()) {
        return false;
    }
    m_items[index].image = image;
    m_items[index].action->setIcon(m_images[image]);
    return true;
}

int CTipToolBar::ButtonImage(int index) const {
    return index >= 0 && index < ButtonCount() ? m_items[index].image : -1;
}

void CTipToolBar::SetButtonText(int index, const QString& text) {
    if (index >= 0 && index < ButtonCount() && m_items[index].commandId != 0) {
        m_items[index].action->setText(text);
    }
}

void CTipToolBar::SetButtonSize(QSize size) {
    m_buttonSize = size;
    for (int i = 0; i < ButtonCount(); ++i) {
        if (QToolButton* button = ButtonAt(i)) {
            button->setFixedSize(size);
        }
    }
}

QIcon CTipToolBar::Image(int image) const {
    return image >= 0 && image < ImageCount() ? m_images[image] : QIcon();
}

QString CTipToolBar::TipForCommand(int commandId) {
    return FromCp932(CommandTip(commandId));
}

} // namespace quillet
