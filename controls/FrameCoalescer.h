#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace quillet {

// Runs an update of a window that follows the fragment at most once per displayed frame.
// The first request after a quiet frame runs at once, so a single keystroke shows without
// delay; requests arriving faster than frames are folded into one run at the frame's end,
// which then shows the latest text. Any window that follows every regeneration can use one.
class FrameCoalescer : public QObject {
    Q_OBJECT

public:
    // `update` reads whatever is latest when it runs.
    FrameCoalescer(std::function<void()> update, QObject* parent = nullptr);

    void Request();
    // Runs a waiting update now; nothing when none waits.
    void Flush();
    bool IsPending() const { return m_timer.isActive(); }

    // One frame of the screen `widget` is on; 60 per second where the screen does not say.
    static int FrameMilliseconds(const QWidget* widget);
    void SetFrameMilliseconds(int milliseconds) { m_frame = milliseconds; }

private:
    void Run();

    std::function<void()> m_update;
    QTimer m_timer;
    QElapsedTimer m_sinceRun;
    int m_frame = 16;
};

} // namespace quillet
