#include "controls/FrameCoalescer.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quillet {

FrameCoalescer::FrameCoalescer(std::function<void()> update, QObject* parent)
    : QObject(parent), m_update(std::move(update)) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &FrameCoalescer::Run);
}

void FrameCoalescer::Request() {
    if (m_timer.isActive()) {
        return; // the waiting run will show this request's text too
    }
    const qint64 since = m_sinceRun.isValid() ? m_sinceRun.elapsed() : m_frame;
    if (since >= m_frame) {
        Run();
    } else {
        m_timer.start(static_cast<int>(m_frame - since));
    }
}

void FrameCoalescer::Flush() {
    if (m_timer.isActive()) {
        m_timer.stop();
        Run();
    }
}

void FrameCoalescer::Run() {
    m_update();
    // Measured from the end, so that an update slower than a frame still leaves the next
    // frame to the input it held up.
    m_sinceRun.start();
}

int FrameCoalescer::FrameMilliseconds(const QWidget* widget) {
    const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    const qreal rate = screen != nullptr ? screen->refreshRate() : 0.0;
    return rate >= 1.0 ? std::max(1, static_cast<int>(std::lround(1000.0 / rate))) : 16;
}

} // namespace quillet
