#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QPoint>

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;

namespace quillet {

class CDragEdit;

// Takes the drags that come over a CDragEdit, from any program or from the edit itself. It
// watches the edit's events from the moment it is made until it is destroyed.
class CDragEditDropTarget : public QObject {
public:
    explicit CDragEditDropTarget(CDragEdit& edit);
    ~CDragEditDropTarget() override;

    CDragEditDropTarget(const CDragEditDropTarget&) = delete;
    CDragEditDropTarget& operator=(const CDragEditDropTarget&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void DragEnter(QDragEnterEvent& event);
    void DragOver(QDragMoveEvent& event);
    void DragLeave();
    void Drop(QDropEvent& event);
    bool DragScroll(const QPoint& pointer);
    void StopScrolling();

    CDragEdit& m_edit;
    bool m_accepting = false; // between an accepted drag entering and it leaving or dropping
    QPoint m_pointer;         // where the drag was last seen, for scrolling while it rests
    QBasicTimer m_scrollTimer;
};

} // namespace quillet
