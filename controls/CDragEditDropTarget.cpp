#include "controls/CDragEditDropTarget.h"

#include "controls/CDragEdit.h"
#include "controls/DragRules.h"
#include "platform/TextMimeData.h"

#include <QDebug>
#include <QDropEvent>
#include <QTimerEvent>

#include <optional>
#include <utility>

namespace quillet {
namespace {

// Near enough the border to hit it on purpose, far enough not to scroll by accident.
constexpr int kDragScrollInset = 11;
// Drags report nothing while the pointer rests, so the edit goes on scrolling by itself.
constexpr int kDragScrollIntervalMs = 50;

Qt::DropAction ActionFor(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ControlModifier) != 0 ? Qt::CopyAction : Qt::MoveAction;
}

} // namespace

CDragEditDropTarget::CDragEditDropTarget(CDragEdit& edit) : m_edit(edit) {
    m_edit.installEventFilter(this);
}

CDragEditDropTarget::~CDragEditDropTarget() {
    m_edit.removeEventFilter(this);
}

bool CDragEditDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_edit) {
        return false;
    }
    switch (event->type()) {
    case QEvent::DragEnter:
        DragEnter(static_cast<QDragEnterEvent&>(*event));
        return true;
    case QEvent::DragMove:
        DragOver(static_cast<QDragMoveEvent&>(*event));
        return true;
    case QEvent::DragLeave:
        DragLeave();
        return true;
    case QEvent::Drop:
        Drop(static_cast<QDropEvent&>(*event));
        return true;
    default:
        return false;
    }
}

void CDragEditDropTarget::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_scrollTimer.timerId() && !DragScroll(m_pointer)) {
        StopScrolling();
    }
}

void CDragEditDropTarget::DragEnter(QDragEnterEvent& event) {
    if ((m_edit.Options() & CDragEdit::kDropTarget) == 0 || m_edit.isReadOnly() ||
        !OffersPlainText(*event.mimeData())) {
        event.ignore();
        return;
    }
    m_accepting = true;
    // With the focus the edit shows where the text would go.
    m_edit.setFocus(Qt::OtherFocusReason);
    event.setDropAction(ActionFor(event.modifiers()));
    event.accept();
}

void CDragEditDropTarget::DragOver(QDragMoveEvent& event) {
    if (!m_accepting) {
        event.ignore();
        return;
    }
    m_pointer = event.position().toPoint();
    if (DragScroll(m_pointer)) {
        m_scrollTimer.start(kDragScrollIntervalMs, this);
    } else {
        StopScrolling();
        m_edit.MoveCaretToPointer(m_pointer);
    }
    event.setDropAction(ActionFor(event.modifiers()));
    event.accept();
}

void CDragEditDropTarget::DragLeave() {
    m_accepting = false;
    StopScrolling();
    m_edit.HideDropCaret();
}

void CDragEditDropTarget::Drop(QDropEvent& event) {
    // No leave follows a drop.
    const bool accepting = std::exchange(m_accepting, false);
    StopScrolling();
    m_edit.HideDropCaret();
    const QPoint pointer = event.position().toPoint();
    // Text dropped onto itself is refused; its source then takes the press for a click.
    if (!accepting || (m_edit.IsDragging() && m_edit.IsPointerOnSelection(pointer))) {
        event.ignore();
        return;
    }
    const std::optional<QString> text = DroppedText(*event.mimeData());
    if (!text) {
        qDebug("Fail in getting data");
        event.ignore();
        return;
    }
    // The source may allow less than asked for; what is set is what the source sees.
    event.setDropAction(ActionFor(event.modifiers()));
    if (event.dropAction() == Qt::MoveAction && m_edit.IsDragging()) {
        // The edit is still in its own drag loop; it moves the text once the loop returns.
        m_edit.RecordSelfMove(pointer);
    } else if (!m_edit.InsertAtPointer(*text, pointer)) {
        event.ignore();
        return;
    }
    event.accept();
}

bool CDragEditDropTarget::DragScroll(const QPoint& pointer) {
    if (!m_accepting) {
        return false;
    }
    const int step = DragScrollStep(m_edit.width(), kDragScrollInset, pointer.x());
    if (step == 0 || pointer.y() < 0 || pointer.y() >= m_edit.height()) {
        return false;
    }
    m_edit.ScrollOneCharacter(step);
    m_edit.MoveCaretToPointer(pointer);
    return true;
}

void CDragEditDropTarget::StopScrolling() {
    m_scrollTimer.stop();
}

} // namespace quillet
