#include "controls/CClickStatic.h"

#include "controls/AccessibleClick.h"

#include <QCursor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace quillet {

CClickStatic::CClickStatic(int id, QWidget* parent) : QLabel(parent) {
    setObjectName(QString::number(id));
    // Tab reaches it, a click does not take the focus.
    setFocusPolicy(Qt::TabFocus);
    MarkAsAccessibleButton(*this);
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

void CClickStatic::Activate() {
    emit Clicked();
}

void CClickStatic::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    DrawFocusFrame(*this);
}

void CClickStatic::keyPressEvent(QKeyEvent* event) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (modifiers == Qt::NoModifier &&
        (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        Activate();
        return;
    }
    QLabel::keyPressEvent(event);
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
