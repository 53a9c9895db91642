#include "controls/CClickStatic.h"

#include <QCursor>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace quillet {

CClickStatic::CClickStatic(int id, QWidget* parent) : QLabel(parent) {
    setObjectName(QString::number(id));
    setFocusPolicy(Qt::NoFocus);
    m_tipTimer.setSingleShot(true);
    m_tipTimer.setInterval(TipDelayMs);
    connect(&m_tipTimer, &QTimer::timeout, this, &CClickStatic::ShowTip);
}

void CClickStatic::SetFill(const QColor& color) {
    QPalette colors = palette();
    colors.setColor(QPalette::Window, color);
    setPalette(colors);
    setAutoFillBackground(true);
}

bool CClickStatic::event(QEvent* event) {
    // The toolkit's own tip comes later than ours; ours is the only one.
    if (event->type() == QEvent::ToolTip) {
        return true;
    }
    return QLabel::event(event);
}

void CClickStatic::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    m_tipTimer.stop();
    QToolTip::hideText();
    event->accept();
}

void CClickStatic::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) {
        emit Clicked();
    }
}

void CClickStatic::enterEvent(QEnterEvent* event) {
    if (!toolTip().isEmpty()) {
        m_tipTimer.start();
    }
    QLabel::enterEvent(event);
}

void CClickStatic::leaveEvent(QEvent* event) {
    m_tipTimer.stop();
    QToolTip::hideText();
    QLabel::leaveEvent(event);
}

void CClickStatic::ShowTip() {
    if (underMouse()) {
        QToolTip::showText(QCursor::pos(), toolTip(), this);
    }
}

} // namespace quillet
