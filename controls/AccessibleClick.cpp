#include "controls/AccessibleClick.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QWidget>

namespace quillet {
namespace {

constexpr const char* kButtonProperty = "quilletAccessibleButton";

class ClickAccessible : public QAccessibleWidget {
public:
    explicit ClickAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled()) {
            QMetaObject::invokeMethod(widget(), "Activate", Qt::QueuedConnection);
        }
    }

    // A static control's name would otherwise be its (empty) text.
    QString text(QAccessible::Text kind) const override {
        QString value = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && value.isEmpty()) {
            value = widget()->toolTip();
        }
        return value;
    }
};

QAccessibleInterface* ClickFactory(const QString&, QObject* object) {
    if (object != nullptr && object->isWidgetType() && object->property(kButtonProperty).toBool()) {
        return new ClickAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

void MarkAsAccessibleButton(QWidget& widget) {
    // Installed once for the program; Qt keeps the list of factories.
    static const bool installed = [] {
        QAccessible::installFactory(&ClickFactory);
        return true;
    }();
    (void)installed;
    widget.setProperty(kButtonProperty, true);
}

void DrawFocusFrame(QWidget& widget) {
    if (!widget.hasFocus()) {
        return;
    }
    QStylePainter painter(&widget);
    QStyleOptionFocusRect option;
    option.initFrom(&widget);
    option.rect = widget.rect().adjusted(3, 3, -3, -3);
    option.backgroundColor = widget.palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace quillet
