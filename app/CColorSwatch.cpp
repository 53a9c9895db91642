#include "app/CColorSwatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillet {

CColorSwatch::CColorSwatch(std::function<QColor()> color, QWidget* parent)
    : QFrame(parent), m_color(std::move(color)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::ClickFocus);
}

void CColorSwatch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), m_color());
}

void CColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        m_clickPoint = event->globalPosition().toPoint();
        emit Clicked();
    }
    QFrame::mouseReleaseEvent(event);
}

} // namespace quillet
