// The window as assistive technology and the keyboard meet it: what Tab visits on each
// page, in which order and under which names, and which field each label's key reaches.
#include "app/MainDialog.h"
#include "tests/app/MainDialogTestSupport.h"

#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

// A combo box reads out its value as its name on Linux, and its label through the
// label's relation; the name given is what the window controls.
QString NameOf(QWidget* widget) {
    if (!widget->accessibleName().isEmpty()) {
        return widget->accessibleName();
    }
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

// What Tab would visit, starting at the window's first control.
QStringList TabNames(QWidget& window) {
    QWidget* first = window.findChild<QToolButton*>("102");
    QStringList names;
    QWidget* widget = first;
    do {
        if (widget->isVisibleTo(&window) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) != 0 && widget->window() == &window) {
            names << NameOf(widget);
        }
        widget = widget->nextInFocusChain();
    } while (widget != first && names.size() < 60);
    return names;
}

// The output button, when there is something to output, then the window's tools.
const QString kOutput = "作成したタグをクリップボードにコピーします(Enter)";
const QStringList kTop{"常に手前に表示", "ソース表示", "ヘルプ", "ページ"};

struct PageCase {
    int page;
    QStringList controls;
};

const PageCase kCases[] = {
    {0, {"発言", "太字", "斜体", "下線", "取り消し線", "フォント名", "サイズ", "色: 標準"}},
    {1, {"テキスト", "開始色: 標準", "終了色: 標準"}},
    {2, {"テキスト", "左揃え", "中央揃え", "右揃え", "上付き", "下付き"}},
    {3, {"タイトル", "ターゲット", "リンク先", "参照"}},
    {4, {"テキスト", "動作", "速度", "背景色: 標準"}},
    {5, {"リンク先", "参照"}},
    // Add, delete and edit stay disabled until a user symbol is chosen.
    {6, {"種類", "記号の一覧"}},
};

TEST_F(MainDialogTest, TabVisitsEachPageInReadingOrderUnderItsNames) {
    Open();
    for (const PageCase& page : kCases) {
        SelectTab(page.page);
        QStringList names = TabNames(Dialog());
        EXPECT_EQ(names.removeAll(kOutput), Find<QWidget>(102)->isEnabled() ? 1 : 0);
        EXPECT_EQ(names.join(" | ").toStdString(),
                  (kTop + page.controls).join(" | ").toStdString());
    }
}

TEST_F(MainDialogTest, EveryShownLabelReachesTheFieldItNames) {
    Open();
    for (const PageCase& page : kCases) {
        SelectTab(page.page);
        for (QLabel* label : Dialog().findChildren<QLabel*>()) {
            if (!label->isVisibleTo(&Dialog()) || !label->text().contains("(&")) {
                continue;
            }
            QWidget* buddy = label->buddy();
            ASSERT_NE(buddy, nullptr) << label->text().toStdString();
            EXPECT_TRUE(buddy->isVisibleTo(&Dialog())) << label->text().toStdString();
            // The label and the control it reaches speak of the same thing.
            QString name = label->text();
            name.remove(QRegularExpression(R"(\(&.\)|:|\s)",
                                           QRegularExpression::UseUnicodePropertiesOption));
            EXPECT_TRUE(NameOf(buddy).startsWith(name) || NameOf(buddy->parentWidget()) == name)
                << label->text().toStdString();
        }
    }
}

} // namespace
} // namespace quillet::test
