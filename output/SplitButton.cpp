#include "output/SplitButton.h"

#include "controls/CTipToolBar.h"
#include "platform/TextCodec.h"

#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace quillet {

void PrepareSplitButton(CTipToolBar& bar) {
    while (bar.ButtonCount() > 1) {
        bar.DeleteButton(bar.ButtonCount() - 1);
    }
    bar.setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar.setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    if (QToolButton* split = bar.ButtonAt(0)) {
        split->setPopupMode(QToolButton::MenuButtonPopup);
        split->setAccessibleDescription(
            QStringLiteral("スペースで実行します。Alt+↓ で動作を選ぶメニューを開きます"));
    }
    // Without this the button would show a bare image until the settings name an action.
    ShowDefaultAction(bar, DefaultAction::Copy);
}

void ShowDefaultAction(CTipToolBar& bar, DefaultAction action) {
    const DefaultActionLook& look = LookOf(action);
    QToolButton* split = bar.ButtonAt(0);
    if (split == nullptr) {
        return;
    }
    bar.SetCommand(0, look.commandId);
    bar.SetButtonImage(0, look.image);
    bar.SetButtonText(0, FromCp932(look.buttonText));
    bar.SetButtonSize(QSize(look.buttonWidth, kSplitButtonHeight));
    // The widths were drawn for the button alone; the arrow comes on top of them. A font
    // larger than the one they were drawn for widens the button rather than cut its text.
    const int arrow = split->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, split);
    split->setFixedWidth(std::max(look.buttonWidth + arrow, split->sizeHint().width()));
    bar.resize(bar.sizeHint());
}

QRect SplitArrowRect(const QToolButton& button) {
    const int arrow = button.style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, &button);
    return QRect(button.width() - arrow, 0, arrow, button.height());
}

} // namespace quillet
