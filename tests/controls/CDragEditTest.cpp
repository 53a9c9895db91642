#include "controls/CDragEdit.h"

#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

namespace quillet {
namespace {

// A point where a click would put the cursor before `position`.
QPoint At(CDragEdit& edit, int position) {
    for (int x = 0; x < edit.width(); ++x) {
        if (edit.cursorPositionAt(QPoint(x, 12)) == position) {
            return {x + 1, 12};
        }
    }
    ADD_FAILURE() << "no point for position " << position;
    return {};
}

void Mouse(CDragEdit& edit, QEvent::Type type, QPoint at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, edit.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&edit, &event);
}

// What the platform's drag loop does over `edit`: enter, move and drop. The action the drop
// reports, none when it was refused.
Qt::DropAction DragOnto(CDragEdit& edit, const QMimeData& data, QPoint at,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&edit, &enter);
    if (!enter.isAccepted()) {
        return Qt::IgnoreAction;
    }
    EXPECT_TRUE(edit.hasFocus());
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&edit, &move);
    EXPECT_EQ(edit.DropCaretPosition(), edit.cursorPositionAt(at));
    QDropEvent drop(at, actions, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(&edit, &drop);
    EXPECT_EQ(edit.DropCaretPosition(), -1);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

// Two text fields as the main window has them, the second one taking drops only.
class CDragEditTest : public testing::Test {
protected:
    CDragEditTest() : first(&window), second(&window) {
        first.setGeometry(10, 10, 300, 24);
        second.setGeometry(10, 40, 300, 24);
        window.show();
        QApplication::setActiveWindow(&window);
        first.EnableDragDrop(3);
        second.EnableDragDrop(CDragEdit::kDropTarget);
        first.setText(QStringLiteral("あいうえお"));
        first.setFocus();
        first.setSelection(1, 2);
    }

    // Drags the selection of `first` onto `target` and lets `first` finish as it does once
    // the drag loop returns.
    Qt::DropAction DragSelection(CDragEdit& target, QPoint at, Qt::KeyboardModifiers keys = {}) {
        const std::unique_ptr<QMimeData> data = first.BeginDrag();
        const Qt::DropAction action = DragOnto(target, *data, at, keys);
        textAfterDrop = first.text();
        first.EndDrag(action, first.mapFrom(&window, target.mapTo(&window, at)));
        return action;
    }

    QWidget window;
    CDragEdit first;
    CDragEdit second;
    QString textAfterDrop;
};

TEST_F(CDragEditTest, DroppedTextIsInsertedAtThePointerSelectedAndUndoable) {
    second.setText(QStringLiteral("abc"));
    second.setSelection(0, 1);
    QSignalSpy changed(&second, &QLineEdit::textChanged);
    QSignalSpy edited(&second, &QLineEdit::textEdited);
    QMimeData data;
    data.setData(QStringLiteral("text/plain;charset=utf-8"), QStringLiteral("いろ").toUtf8());
    EXPECT_EQ(DragOnto(second, data, At(second, 2)), Qt::MoveAction);
    EXPECT_EQ(second.text(), QStringLiteral("abいろc"));
    EXPECT_EQ(second.selectionStart(), 2);
    EXPECT_EQ(second.selectedText(), QStringLiteral("いろ"));
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(edited.count(), 1);
    second.undo();
    EXPECT_EQ(second.text(), QStringLiteral("abc"));
}

TEST_F(CDragEditTest, DroppedTextOutsideTheCodePageShowsAsTyped) {
    QMimeData data;
    data.setData(QStringLiteral("text/plain;charset=utf-8"), QStringLiteral("café ☃").toUtf8());
    EXPECT_EQ(DragOnto(second, data, At(second, 0)), Qt::MoveAction);
    EXPECT_EQ(second.text(), QStringLiteral("café ☃"));
}

TEST_F(CDragEditTest, RefusesDataWithoutPlainText) {
    QMimeData picture;
    picture.setData(QStringLiteral("image/png"), "png");
    picture.setUrls({QUrl(QStringLiteral("file:///tmp/a.png"))});
    EXPECT_EQ(DragOnto(second, picture, At(second, 0)), Qt::IgnoreAction);
}

struct SelfMoveRow {
    const char* name;
    int drop;
    const char* text; // UTF-8
    int movedStart;
};

void PrintTo(const SelfMoveRow& row, std::ostream* out) {
    *out << row.name;
}

class CDragEditSelfMoveTest : public CDragEditTest,
                              public testing::WithParamInterface<SelfMoveRow> {};

TEST_P(CDragEditSelfMoveTest, SourceMovesTheTextOnceTheLoopReturns) {
    QSignalSpy changed(&first, &QLineEdit::textChanged);
    EXPECT_EQ(DragSelection(first, At(first, GetParam().drop)), Qt::MoveAction);
    EXPECT_EQ(textAfterDrop, QStringLiteral("あいうえお")); // the drop only records the move
    EXPECT_EQ(first.text(), QString::fromUtf8(GetParam().text));
    EXPECT_EQ(first.selectionStart(), GetParam().movedStart);
    EXPECT_EQ(first.selectedText(), QStringLiteral("いう"));
    EXPECT_EQ(changed.count(), 1);
    first.undo();
    EXPECT_EQ(first.text(), QStringLiteral("あいうえお"));
}

INSTANTIATE_TEST_SUITE_P(Rows, CDragEditSelfMoveTest,
                         testing::Values(SelfMoveRow{"Right", 4, "あえいうお", 2},
                                         SelfMoveRow{"Left", 0, "いうあえお", 0}),
                         [](const testing::TestParamInfo<SelfMoveRow>& info) {
                             return info.param.name;
                         });

TEST_F(CDragEditTest, DropOntoItsOwnSelectionIsRefusedAndPlacesTheCaret) {
    EXPECT_EQ(DragSelection(first, At(first, 2)), Qt::IgnoreAction);
    EXPECT_EQ(first.text(), QStringLiteral("あいうえお"));
    EXPECT_FALSE(first.hasSelectedText());
    EXPECT_EQ(first.cursorPosition(), 2);
}

TEST_F(CDragEditTest, CtrlDropWithinItselfInsertsACopy) {
    EXPECT_EQ(DragSelection(first, At(first, 5), Qt::ControlModifier), Qt::CopyAction);
    EXPECT_EQ(first.text(), QStringLiteral("あいうえおいう"));
    EXPECT_EQ(first.selectionStart(), 5);
}

TEST_F(CDragEditTest, MoveIntoTheOtherFieldDeletesTheDraggedTextOnce) {
    QSignalSpy changed(&first, &QLineEdit::textChanged);
    EXPECT_EQ(DragSelection(second, QPoint(5, 12)), Qt::MoveAction);
    EXPECT_EQ(second.text(), QStringLiteral("いう"));
    EXPECT_EQ(first.text(), QStringLiteral("あえお"));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(CDragEditTest, PressOnTheSelectionWaitsForADragOnlyInASource) {
    EXPECT_EQ(first.EnableDragDrop(CDragEdit::kDropTarget), 0);
    for (CDragEdit* edit : {&first, &second}) {
        const bool source = edit == &first;
        edit->setText(QStringLiteral("abcdef"));
        edit->setSelection(1, 3);
        Mouse(*edit, QEvent::MouseMove, At(*edit, 2));
        EXPECT_EQ(edit->cursor().shape(), source ? Qt::ArrowCursor : Qt::IBeamCursor);
        Mouse(*edit, QEvent::MouseButtonPress, At(*edit, 2));
        EXPECT_EQ(edit->hasSelectedText(), source);
        Mouse(*edit, QEvent::MouseButtonRelease, At(*edit, 2));
        EXPECT_FALSE(edit->hasSelectedText());
        EXPECT_EQ(edit->cursorPosition(), 2);
    }
}

TEST_F(CDragEditTest, AnotherButtonDuringTheDragWaitOnlyEndsIt) {
    first.setText(QStringLiteral("abcdef"));
    first.setSelection(1, 3);
    const QPoint at = At(first, 2);
    Mouse(first, QEvent::MouseButtonPress, at);
    QMouseEvent right(QEvent::MouseButtonPress, at, first.mapToGlobal(at), Qt::RightButton,
                      Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&first, &right);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, at, first.mapToGlobal(at));
    QApplication::sendEvent(&first, &menu);
    EXPECT_EQ(first.findChild<QMenu*>(), nullptr);
    EXPECT_EQ(first.text(), QStringLiteral("abcdef"));
    EXPECT_EQ(first.cursorPosition(), 2);
}

} // namespace
} // namespace quillet
