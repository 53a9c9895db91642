#pragma once

#include "controls/TextPosition.h"

#include <QBasicTimer>
#include <QLineEdit>
#include <QMimeData>
#include <QPoint>
#include <QString>

#include <memory>
#include <string>

namespace quillet {

class CDragEditDropTarget;
class EncodedText;

// A single-line edit that takes part in drag and drop of plain text with any program. Its
// selection can be dragged out (a move deletes it, Ctrl copies it) or to another place in
// the edit, and text dropped onto it is inserted where the pointer is and selected. Text
// that arrives changes the edit as typing does: textChanged and textEdited fire once for
// each drop or move, and it can be undone.
class CDragEdit : public QLineEdit {
    Q_OBJECT

public:
    // Bits of the options of EnableDragDrop.
    static constexpr int kDragSource = 1;
    static constexpr int kDropTarget = 2;

    explicit CDragEdit(QWidget* parent = nullptr);
    ~CDragEdit() override;

    // Switches drag and drop on, once: 1, or 0 when it is on already. Until then, and with
    // an option bit clear, the edit behaves as a plain edit in that role.
    int EnableDragDrop(int options);

    int Options() const { return m_options; }
    bool IsDragging() const { return m_dragging; }

    // A drag with this edit as its source, in the two halves around the platform's drag
    // loop, which can also run without one. BeginDrag packs the selected text, or gives
    // nothing when there is no selection; EndDrag finishes by the action the loop reports
    // and the pointer position where it ended.
    std::unique_ptr<QMimeData> BeginDrag();
    void EndDrag(Qt::DropAction action, const QPoint& pointer);

    // Where text dragged over the edit would go, or -1 when no drag is over it.
    int DropCaretPosition() const { return m_dropCaret; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    friend class CDragEditDropTarget;

    struct PointerPosition {
        LineCol position;
        bool withinLine = false; // the pointer is not past the end of that line's text
    };

    EncodedText Encoded() const;
    Selection GetSelLineCol(const EncodedText& encoded) const;
    PointerPosition LineColFromPointer(const EncodedText& encoded, const QPoint& pointer);
    int PointFromIndex(int unit) const;
    bool IsPointerOnSelection(const QPoint& pointer);

    void CaretToPointer(const QPoint& pointer);
    void MoveCaretToPointer(const QPoint& pointer);
    void HideDropCaret();
    bool InsertAtPointer(const QString& inserted, const QPoint& pointer);
    void RecordSelfMove(const QPoint& pointer);
    void ScrollOneCharacter(int direction);

    void StartDrag();
    void CancelPress();
    // Ends the wait for a drag without a click: the buttons still down do nothing more.
    void AbandonPress();
    bool StillHoldsDraggedText() const;
    void FinishSelfMove();
    void UpdatePointerShape(const QPoint& pointer);

    std::unique_ptr<CDragEditDropTarget> m_dropTarget;
    int m_options = 0;

    bool m_pressPending = false;   // a press on the selection that may still become a drag
    bool m_pressAbandoned = false; // the rest of that press is ignored until it is released
    QPoint m_pressPoint;
    QBasicTimer m_dragStartTimer;

    bool m_dragging = false;
    int m_dragStart = 0; // the dragged text and where it was, in the edit's own positions
    QString m_dragText;
    bool m_movedIntoItself = false;
    LineCol m_dropPosition;

    int m_dropCaret = -1;
};

} // namespace quillet
