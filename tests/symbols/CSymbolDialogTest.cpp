#include "symbols/CSymbolDialog.h"

#include "platform/TextCodec.h"
#include "symbols/SymbolDialogRunner.h"
#include "tests/symbols/SymbolTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace quillet {
namespace {

QLineEdit* Field(const QWidget& dialog, const char* id) {
    return dialog.findChild<QLineEdit*>(QString::fromLatin1(id));
}

QPushButton* Button(const QWidget& dialog, const char* id) {
    return dialog.findChild<QPushButton*>(QString::fromLatin1(id));
}

TEST(CSymbolDialog, OkIsEnabledExactlyWhileNameTypeAndContentAllHoldText) {
    CSymbolDialog dialog;
    QPushButton* ok = Button(dialog, "1");
    ASSERT_NE(ok, nullptr);
    EXPECT_FALSE(ok->isEnabled());

    QTest::keyClicks(Field(dialog, "1005"), "a");
    QTest::keyClicks(Field(dialog, "1006"), " ");
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(Field(dialog, "1007"), "c");
    EXPECT_TRUE(ok->isEnabled()) << "a field holding only a space counts as filled";

    Field(dialog, "1006")->clear();
    EXPECT_FALSE(ok->isEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected) << "an incomplete symbol is never accepted";
    QTest::keyClicks(Field(dialog, "1006"), "b");
    EXPECT_TRUE(ok->isEnabled());

    dialog.SetTexts({"n", "", "c"});
    EXPECT_FALSE(ok->isEnabled());
}

// Line breaks and the end-of-file byte 1A would end a record, or the file, when read back.
TEST(CSymbolDialog, FieldsHoldOneLineAndKeepEveryOtherByte) {
    CSymbolDialog dialog;
    // A raw FF glyph and a fragment longer than a line edit's usual limit.
    const std::string content =
        "<Font Face=\"Wingdings\">\xFF</Font>" + std::string(40000, 'x') + "\x83n\x81[\x83g";
    dialog.SetTexts({"a\r\nb", "c\rd\ne\x1A!", content});
    EXPECT_EQ(dialog.Texts(), (SymbolRecord{"a b", "c d e !", content}));

    QLineEdit* name = Field(dialog, "1005");
    name->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("one\r\ntwo\nthree\x1A"));
    name->paste();
    EXPECT_EQ(name->text(), QStringLiteral("one two three "));
}

TEST(QtSymbolDialogRunner, OpensTheModalDialogAndReturnsItsTextsOnOkAndNothingOnEscape) {
    QtSymbolDialogRunner runner;
    QString title;
    QString focused;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (qobject_cast<CSymbolDialog*>(dialog) == nullptr) {
            if (dialog != nullptr) {
                dialog->close();
            }
            return;
        }
        title = dialog->windowTitle();
        focused = dialog->focusWidget() != nullptr ? dialog->focusWidget()->objectName() : "";
        // Japanese arrives committed by the input method, not as key presses.
        Field(*dialog, "1005")->insert(QStringLiteral("ハート"));
        QTest::keyClicks(Field(*dialog, "1006"), QStringLiteral("mark"));
        QTest::mouseClick(Button(*dialog, "1"), Qt::LeftButton);
    });
    const std::optional<SymbolRecord> answer =
        runner.Run(nullptr, QStringLiteral("記号に登録"), {"", "", "<B>x</B>"});
    EXPECT_EQ(title, QStringLiteral("記号に登録"));
    EXPECT_EQ(focused, QStringLiteral("1005"));
    EXPECT_EQ(answer, (SymbolRecord{ToCp932(QStringLiteral("ハート")), "mark", "<B>x</B>"}));

    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    });
    EXPECT_EQ(runner.Run(nullptr, QStringLiteral("編集"), {"n", "t", "c"}), std::nullopt);
}

} // namespace
} // namespace quillet
