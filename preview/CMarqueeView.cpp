#include "preview/CMarqueeView.h"

#include "preview/CPreviewTextBlock.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTimerEvent>

#include <algorithm>
#include <cmath>

namespace quillet {

CMarqueeView::CMarqueeView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The content runs on one line, however wide, as in a browser.
    m_content.setDocumentMargin(0);
    connect(m_content.documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            [this] {
                updateGeometry();
                update();
            });
}

void CMarqueeView::FitContent() {
    m_content.setTextWidth(-1);
    m_content.setTextWidth(m_content.idealWidth());
    m_unstruck = CPreviewTextBlock::Unstruck(m_content);
    if (m_unstruck) {
        m_unstruck->setTextWidth(m_content.textWidth());
    }
    updateGeometry();
    UpdateTimer();
}

void CMarqueeView::SetMotion(MarqueeBehavior behavior, int amount, const QColor& background) {
    m_behavior = behavior;
    m_amount = amount;
    m_background = background;
    m_steps = 0;
    UpdateTimer();
    update();
}

void CMarqueeView::SetRoomBelow(int pixels) {
    m_roomBelow = std::max(pixels, 0);
    updateGeometry();
    update();
}

QRect CMarqueeView::Band() const {
    return rect().adjusted(0, 0, 0, -m_roomBelow);
}

MarqueeTrack CMarqueeView::Track() const {
    return {m_behavior, m_amount, ContentWidth(), width()};
}

int CMarqueeView::ContentWidth() const {
    return static_cast<int>(std::ceil(m_content.idealWidth()));
}

QSize CMarqueeView::sizeHint() const {
    const int height = static_cast<int>(std::ceil(m_content.size().height()));
    return {ContentWidth(), std::max(height, fontMetrics().height()) + m_roomBelow};
}

QSize CMarqueeView::minimumSizeHint() const {
    return {0, sizeHint().height()};
}

void CMarqueeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setClipRect(Band());
    if (m_background.isValid()) {
        painter.fillRect(Band(), m_background);
    }
    painter.translate(Offset(), 0);
    if (m_unstruck) {
        m_unstruck->drawContents(&painter);
        CPreviewTextBlock::DrawStrikes(painter, *m_unstruck);
    } else {
        m_content.drawContents(&painter);
    }
}

// A minimised window sends its widgets hide events while they stay visible to Qt, so the
// events, not isVisible(), say whether anyone can see the motion.
void CMarqueeView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_shown = true;
    UpdateTimer();
}

void CMarqueeView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    m_shown = false;
    UpdateTimer();
}

void CMarqueeView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    UpdateTimer();
}

void CMarqueeView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    ++m_steps;
    update();
    UpdateTimer();
}

void CMarqueeView::UpdateTimer() {
    const bool moving = m_shown && !MarqueeAtRest(Track(), m_steps);
    if (moving && !m_timer.isActive()) {
        m_timer.start(kMarqueeStepMilliseconds, Qt::PreciseTimer, this);
    } else if (!moving && m_timer.isActive()) {
        m_timer.stop();
    }
}

} // namespace quillet
