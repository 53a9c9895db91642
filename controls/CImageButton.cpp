#include "controls/CImageButton.h"

#include "controls/Emboss.h"
#include "controls/ImageButtonGeometry.h"
#include "resources/ResourceImages.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace quillet {

CImageButton::CImageButton(QWidget* parent) : QPushButton(parent) {}

CImageButton::CImageButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

int CImageButton::LoadButtonIcon(int resourceId, int width, int height) {
    PixelArt icon = LoadIconImage(resourceId);
    if (icon.IsNull() || width <= 0 || height <= 0) {
        return 0;
    }
    if (icon.Size() != QSize(width, height)) {
        icon.normal =
            icon.normal.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        icon.doubled = QImage(); // scaled from the new size instead
    }
    m_icon = std::move(icon);
    update();
    return 1;
}

void CImageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionButton face;
    initStyleOption(&face);
    face.text.clear();
    face.icon = QIcon();
    face.state &= ~QStyle::State_HasFocus; // the focus frame is drawn below, our way
    style()->drawControl(QStyle::CE_PushButtonBevel, &face, &painter, this);

    const QString caption = text();
    ImageButtonInput in;
    in.rect = {0, 0, width(), height()};
    in.hasIcon = HasIcon();
    in.image = {m_icon.Size().width(), m_icon.Size().height()};
    in.hasCaption = !caption.isEmpty();
    in.captionWidth = fontMetrics().horizontalAdvance(caption);
    in.pushed = isDown();
    in.disabled = !isEnabled();
    in.focused = hasFocus();
    const ImageButtonPlan plan = PlanImageButton(in);

    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    if (plan.drawIcon) {
        const qreal ratio = devicePixelRatioF();
        painter.drawPixmap(QPoint(plan.iconAt.x, plan.iconAt.y),
                           plan.embossed
                               ? CrispPixmap(EmbossedImage(m_icon.normal, light, shadow), ratio)
                               : CrispPixmap(m_icon, ratio));
    }
    if (plan.drawCaption) {
        const QRect box(plan.captionAt.x, plan.captionAt.y, width(), height());
        const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;
        if (plan.embossed) {
            DrawEmbossedText(painter, box, flags, caption, light, shadow);
        } else {
            painter.setPen(palette().color(QPalette::ButtonText));
            painter.drawText(box, flags, caption);
        }
    }
    if (plan.drawFocus) {
        DrawFocusFrame(painter, QRect(plan.focus.left, plan.focus.top, plan.focus.Width(),
                                      plan.focus.Height()));
    }
}

} // namespace quillet
