#include "controls/CDragEdit.h"

#include "controls/CDragEditDropTarget.h"
#include "controls/DragRules.h"
#include "controls/EncodedText.h"
#include "platform/TextMimeData.h"

#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QDrag>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTextLayout>

#include <algorithm>
#include <optional>
#include <utility>

namespace quillet {
namespace {

std::u16string_view Units(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

Selection SpanLineCol(const EncodedText& encoded, int startUnit, int endUnit) {
    return {LineColFromIndex(encoded.Bytes(), encoded.ByteFromUnit(startUnit)),
            LineColFromIndex(encoded.Bytes(), encoded.ByteFromUnit(endUnit))};
}

} // namespace

CDragEdit::CDragEdit(QWidget* parent) : QLineEdit(parent) {
    // Like a plain edit, it takes no drops until drag and drop is switched on.
    setAcceptDrops(false);
}

CDragEdit::~CDragEdit() = default;

int CDragEdit::EnableDragDrop(int options) {
    if (m_dropTarget) {
        qDebug("CDragEdit: drag and drop is on already");
        return 0;
    }
    m_options = options;
    m_dropTarget = std::make_unique<CDragEditDropTarget>(*this);
    setAcceptDrops(true);
    return 1;
}

std::unique_ptr<QMimeData> CDragEdit::BeginDrag() {
    if (!hasSelectedText()) {
        return nullptr;
    }
    m_dragStart = selectionStart();
    m_dragText = selectedText();
    m_movedIntoItself = false;
    m_dragging = true;
    const EncodedText encoded = Encoded();
    return MakeTextMimeData(GetSelectionText(encoded.Bytes(), GetSelLineCol(encoded)));
}

void CDragEdit::EndDrag(Qt::DropAction action, const QPoint& pointer) {
    if (!std::exchange(m_dragging, false)) {
        return;
    }
    const bool movedIntoItself = std::exchange(m_movedIntoItself, false);
    if (action == Qt::IgnoreAction) {
        // Nothing took the text: the press was a click on the selection after all.
        CaretToPointer(pointer);
    } else if (action == Qt::MoveAction && StillHoldsDraggedText()) {
        if (movedIntoItself) {
            FinishSelfMove();
        } else {
            setSelection(m_dragStart, static_cast<int>(m_dragText.size()));
            del();
        }
    }
    m_dragText.clear();
}

void CDragEdit::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (m_pressPending) {
        // Another button ends a press that had not become a drag yet, as a click; the
        // button itself does nothing here (a middle button would paste).
        AbandonPress();
        CaretToPointer(point);
        event->accept();
        return;
    }
    if (m_pressAbandoned && event->buttons() == event->button()) {
        m_pressAbandoned = false; // a fresh press: the abandoned one's release went elsewhere
    }
    if (m_pressAbandoned) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && (m_options & kDragSource) != 0 &&
        IsPointerOnSelection(point)) {
        // The edit itself does not see this press, so the selection stays for the drag.
        m_pressPending = true;
        m_pressPoint = point;
        m_dragStartTimer.start(QApplication::startDragTime(), this);
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void CDragEdit::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (m_pressPending && (event->buttons() & Qt::LeftButton) == 0) {
        CancelPress(); // the release went elsewhere
    }
    if (m_pressAbandoned && event->buttons() == Qt::NoButton) {
        m_pressAbandoned = false;
    }
    if (m_pressPending) {
        if (IsOutsideDragSquare(m_pressPoint.x(), m_pressPoint.y(), point.x(), point.y())) {
            StartDrag();
        }
        return;
    }
    if (m_pressAbandoned) {
        return; // the edit never saw the press: it would select from wherever it was
    }
    if (event->buttons() == Qt::NoButton) {
        UpdatePointerShape(point);
    }
    QLineEdit::mouseMoveEvent(event);
}

void CDragEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (m_pressPending && event->button() == Qt::LeftButton) {
        CancelPress();
        CaretToPointer(event->position().toPoint());
        return;
    }
    if (m_pressAbandoned) {
        m_pressAbandoned = event->buttons() != Qt::NoButton;
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CDragEdit::keyPressEvent(QKeyEvent* event) {
    // An Escape held down after it cancelled the wait repeats; the repeats are the same key.
    const bool repeatedEscape =
        m_pressAbandoned && event->key() == Qt::Key_Escape && event->isAutoRepeat();
    if (!m_pressPending && !repeatedEscape) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // While the press waits to become a drag, Escape cancels the wait and no more: it must
    // not reach the window, where it would end the program. Other keys would replace the
    // selection that is about to be dragged.
    if (event->key() == Qt::Key_Escape) {
        AbandonPress();
    }
    event->accept();
}

void CDragEdit::contextMenuEvent(QContextMenuEvent* event) {
    // The right button that ended a wait for a drag only ended it.
    if (m_pressPending || m_pressAbandoned) {
        event->accept();
        return;
    }
    QLineEdit::contextMenuEvent(event);
}

void CDragEdit::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_dragStartTimer.timerId()) {
        QLineEdit::timerEvent(event);
        return;
    }
    // Held long enough on the selection, the press becomes a drag without moving.
    if (m_pressPending && (QApplication::mouseButtons() & Qt::LeftButton) != 0) {
        StartDrag();
    } else {
        CancelPress();
    }
}

void CDragEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (m_dropCaret < 0) {
        return;
    }
    // The caret of a drag over the edit is its own: the edit's caret stays with the selection.
    const QRect caret = cursorRect();
    const int x = PointFromIndex(m_dropCaret);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawLine(x, caret.top(), x, caret.bottom());
}

EncodedText CDragEdit::Encoded() const {
    return EncodedText(Units(text()));
}

Selection CDragEdit::GetSelLineCol(const EncodedText& encoded) const {
    // While the edit runs a drag, the dragged text stands for the selection: scrolling under
    // the pointer may have moved the cursor off it.
    if (m_dragging) {
        return SpanLineCol(encoded, m_dragStart, m_dragStart + static_cast<int>(m_dragText.size()));
    }
    return SpanLineCol(encoded, selectionStart(), selectionEnd()); // -1 for none: empty at 0
}

CDragEdit::PointerPosition CDragEdit::LineColFromPointer(const EncodedText& encoded,
                                                         const QPoint& pointer) {
    const std::string& bytes = encoded.Bytes();
    const LineCol position =
        LineColFromIndex(bytes, encoded.ByteFromUnit(std::max(cursorPositionAt(pointer), 0)));
    const int lineEnd = encoded.UnitFromByte(LineEndIndex(bytes, position.line));
    return {position, pointer.x() >= 0 && pointer.x() <= PointFromIndex(lineEnd)};
}

int CDragEdit::PointFromIndex(int unit) const {
    QTextLayout layout(displayText(), font());
    QTextOption option;
    option.setTextDirection(layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // QLineEdit tells where its text lies only through its caret, as a rectangle centred on
    // the caret; the layout gives every other position relative to that.
    const QRect caret = cursorRect();
    const int caretX = caret.left() + caret.width() / 2;
    return caretX + qRound(line.cursorToX(unit)) - qRound(line.cursorToX(cursorPosition()));
}

bool CDragEdit::IsPointerOnSelection(const QPoint& pointer) {
    if (!m_dragging && !hasSelectedText()) {
        return false;
    }
    const EncodedText encoded = Encoded();
    const PointerPosition at = LineColFromPointer(encoded, pointer);
    return at.withinLine && ComparePosition(at.position, GetSelLineCol(encoded)) == Place::Inside;
}

void CDragEdit::CaretToPointer(const QPoint& pointer) {
    setCursorPosition(std::max(cursorPositionAt(pointer), 0));
}

void CDragEdit::MoveCaretToPointer(const QPoint& pointer) {
    m_dropCaret = std::max(cursorPositionAt(pointer), 0);
    update();
}

void CDragEdit::HideDropCaret() {
    if (m_dropCaret >= 0) {
        m_dropCaret = -1;
        update();
    }
}

bool CDragEdit::InsertAtPointer(const QString& inserted, const QPoint& pointer) {
    // The edit would cut the text at its maximum length; a moved text would lose its end.
    if (text().size() + inserted.size() > maxLength()) {
        return false;
    }
    CaretToPointer(pointer);
    const int start = cursorPosition();
    insert(inserted);
    setSelection(start, static_cast<int>(inserted.size()));
    return true;
}

void CDragEdit::RecordSelfMove(const QPoint& pointer) {
    m_movedIntoItself = true;
    m_dropPosition = LineColFromPointer(Encoded(), pointer).position;
}

void CDragEdit::ScrollOneCharacter(int direction) {
    // QLineEdit scrolls only to show its cursor, so the cursor goes to the first position out
    // of view.
    const QRect area = contentsRect().marginsRemoved(textMargins());
    const int y = area.center().y();
    if (direction < 0) {
        const int first = cursorPositionAt(QPoint(area.left(), y));
        if (first > 0) {
            setCursorPosition(first - 1);
        }
    } else if (direction > 0) {
        const int last = cursorPositionAt(QPoint(area.right(), y));
        if (last < text().size()) {
            setCursorPosition(last + 1);
        }
    }
}

void CDragEdit::StartDrag() {
    CancelPress();
    std::unique_ptr<QMimeData> data = BeginDrag();
    if (!data) {
        return;
    }
    const QPointer<CDragEdit> alive(this);
    auto* drag = new QDrag(this); // Qt deletes it once the loop has ended
    drag->setMimeData(data.release());
    // A read-only edit lends its text but keeps it.
    const Qt::DropActions allowed =
        isReadOnly() ? Qt::DropActions(Qt::CopyAction) : Qt::CopyAction | Qt::MoveAction;
    const Qt::DropAction action = drag->exec(allowed, Qt::MoveAction);
    // The window may have been closed while the loop ran.
    if (alive) {
        EndDrag(action, mapFromGlobal(QCursor::pos()));
    }
}

void CDragEdit::CancelPress() {
    m_pressPending = false;
    m_dragStartTimer.stop();
}

void CDragEdit::AbandonPress() {
    CancelPress();
    m_pressAbandoned = true;
}

bool CDragEdit::StillHoldsDraggedText() const {
    // Only the dragged text is ever deleted: a focus change clears the edit's selection, and
    // the text may have changed while the loop ran.
    return !m_dragText.isEmpty() && text().mid(m_dragStart, m_dragText.size()) == m_dragText;
}

void CDragEdit::FinishSelfMove() {
    const EncodedText encoded = Encoded();
    const std::optional<SelfMove> move = PlanSelfMove(
        encoded.Bytes(),
        SpanLineCol(encoded, m_dragStart, m_dragStart + static_cast<int>(m_dragText.size())),
        m_dropPosition);
    if (!move) {
        return;
    }
    const QString before = text();
    const auto piece = [&](ByteRange range) {
        const int start = encoded.UnitFromByte(range.start);
        return before.mid(start, encoded.UnitFromByte(range.end) - start);
    };
    const int replacedStart = encoded.UnitFromByte(move->replaced.start);
    setSelection(replacedStart, encoded.UnitFromByte(move->replaced.end) - replacedStart);
    insert(piece(move->first) + piece(move->second));
    setSelection(Encoded().UnitFromByte(move->movedStart), static_cast<int>(m_dragText.size()));
}

void CDragEdit::UpdatePointerShape(const QPoint& pointer) {
    if ((m_options & kDragSource) == 0) {
        return;
    }
    const Qt::CursorShape shape = IsPointerOnSelection(pointer) ? Qt::ArrowCursor : Qt::IBeamCursor;
    if (cursor().shape() != shape) {
        setCursor(shape);
    }
}

} // namespace quillet
