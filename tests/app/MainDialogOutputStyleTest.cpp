#include "MainDialogTestSupport.h"
#include "core/CommandIds.h"
#include "platform/TextMimeData.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace quillet::test {
namespace {

using MainDialogOutputStyleTest = MainDialogTest;

TEST_F(MainDialogOutputStyleTest, TheWindowMenuItemRegeneratesCopiesUtf8AndIsKept) {
    Open();
    QAction* item = Dialog().Html5Action();
    const QList<QAction*> menu = Dialog().WindowMenu()->actions();
    ASSERT_TRUE(menu.contains(item));
    EXPECT_EQ(menu.indexOf(item), menu.indexOf(Dialog().PreviewAction()) + 1);
    EXPECT_EQ(item->text(), QStringLiteral("HTML5 で出力(&H)"));
    EXPECT_FALSE(item->isChecked());

    TypeMain(QStringLiteral("雪☃"));
    Press(CommandId::Bold);
    item->trigger();
    m_prompts.yes = true;
    QTest::keyClick(Find<QWidget>(1020), Qt::Key_Return);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_EQ(copied->data(kUtf8TextMime), QStringLiteral("<b>雪☃</b>").toUtf8());
    EXPECT_FALSE(copied->hasFormat(kCp932TextMime)); // the snowman does not fit the code page

    item->trigger();
    QTest::keyClick(Find<QWidget>(1020), Qt::Key_Return);
    EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data(kUtf8TextMime),
              QStringLiteral("<B>雪&#9731;</B>").toUtf8());
    item->trigger();
    Dialog().close();
    EXPECT_EQ(StoredSettings().OutputStyle, 1);
}

TEST_F(MainDialogOutputStyleTest, AnUnknownStoredValueIsThePresentStyle) {
    AppSettings settings = DefaultSettings();
    settings.OutputStyle = 7;
    StoreSettings(settings);
    Open();
    EXPECT_FALSE(Dialog().Html5Action()->isChecked());
    TypeMain(QStringLiteral("x"));
    Press(CommandId::Bold);
    EXPECT_EQ(Dialog().Tags().RebuildTag(), "<B>x</B>");
    Dialog().close();
    EXPECT_EQ(StoredSettings().OutputStyle, 0);
}

} // namespace
} // namespace quillet::test
