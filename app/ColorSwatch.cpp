#include "app/ColorSwatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace quillet {

ColorSwatch::ColorSwatch(std::function<QColor()> color, QWidget* parent)
    : QFrame(parent), m_color(std::move(color)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::ClickFocus);
}

void ColorSwatch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), m_color());
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        m_clickPoint = event->globalPosition().toPoint();
        emit Clicked();
    }
    QFrame::mouseReleaseEvent(event);
}

FontSampleView::FontSampleView(std::function<QColor()> color, QWidget* parent)
    : QFrame(parent), m_color(std::move(color)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void FontSampleView::SetSample(const QFont& font, const QString& text) {
    m_font = font;
    m_text = text;
    update();
}

void FontSampleView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), Qt::white);
    painter.setClipRect(contentsRect());
    painter.setFont(m_font);
    painter.setPen(m_color());
    painter.drawText(contentsRect(), Qt::AlignCenter, m_text);
    painter.end();
    QFrame::paintEvent(event);
}

} // namespace quillet
