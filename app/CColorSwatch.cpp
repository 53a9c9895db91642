#include "app/CColorSwatch.h"

#include "controls/AccessibleClick.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace quillet {

CColorSwatch::CColorSwatch(std::function<QColor()> color, QWidget* parent)
    : QFrame(parent), m_color(std::move(color)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    MarkAsAccessibleButton(*this);
}

void CColorSwatch::Activate() {
    m_clickPoint = mapToGlobal(QPoint(0, height()));
    emit Clicked();
}

void CColorSwatch::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if ((modifiers == Qt::NoModifier && (key == Qt::Key_Space || key == Qt::Key_F4)) ||
        (modifiers == Qt::AltModifier && key == Qt::Key_Down)) {
        event->accept();
        Activate();
        return;
    }
    QFrame::keyPressEvent(event);
}

void CColorSwatch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(contentsRect(), m_color());
    painter.end();
    DrawFocusFrame(*this);
}

void CColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        m_clickPoint = event->globalPosition().toPoint();
        emit Clicked();
    }
    QFrame::mouseReleaseEvent(event);
}

} // namespace quillet
