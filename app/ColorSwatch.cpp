#include "app/ColorSwatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillet {

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::ClickFocus);
}

void ColorSwatch::SetColor(const QColor& color) {
    if (color != m_color) {
        m_color = color;
        update();
    }
}

void ColorSwatch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), m_color);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
    QFrame::mouseReleaseEvent(event);
}

} // namespace quillet
