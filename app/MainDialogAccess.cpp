// What the keyboard and assistive technology meet: the names of the shared controls, which
// follow the page, the labels' access keys, the order of Tab, and the keys for the gestures
// that would otherwise need the pointer.
#include "app/MainDialog.h"

#include "app/CFontSampleView.h"
#include "app/CPageTabControl.h"
#include "app/PageAccess.h"
#include "app/PageTable.h"
#include "controls/CTipToolBar.h"
#include "core/CommandIds.h"
#include "platform/TextCodec.h"
#include "resources/ResourceIds.h"

#include <QAction>
#include <QLabel>
#include <QShortcut>
#include <QSlider>
#include <QTabBar>
#include <QToolButton>

#include <vector>

namespace quillet {
namespace {

constexpr std::array kLabels{ControlId::Label1, ControlId::Label2, ControlId::Label3,
                             ControlId::Label4, ControlId::Label5};

struct Button {
    QWidget* widget;
    bool shown;
};

std::vector<Button> ButtonsOf(const CTipToolBar& bar) {
    std::vector<Button> buttons;
    for (int index = 0; index < bar.ButtonCount(); ++index) {
        if (QToolButton* button = bar.ButtonAt(index)) {
            // The bar hides a button only when it lays itself out again.
            const QAction* action = bar.ActionForCommand(bar.CommandAt(index));
            buttons.push_back({button, action != nullptr && action->isVisible()});
        }
    }
    return buttons;
}

const char* LabelTextOn(const PageLayout& pageLayout, int label) {
    for (const LabelText& text : pageLayout.labels) {
        if (text.label == label) {
            return text.text;
        }
    }
    return "";
}

} // namespace

void CMainDialog::CreateKeyboardCommands() {
    m_tabs->Bar()->setAccessibleName(QStringLiteral("ページ"));
    m_sample->setAccessibleName(QStringLiteral("サンプル"));
    const auto step = [this](int by) {
        QTabBar* bar = m_tabs->Bar();
        bar->setCurrentIndex((bar->currentIndex() + by + bar->count()) % bar->count());
    };
    for (const auto& [keys, by] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                   {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                   {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [step, offset = by] { step(offset); });
    }
    // Ctrl+1 to Ctrl+7 do what a right click on that tab does: combine or part the page.
    for (int page = 0; page < kPageCount; ++page) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + page)), this);
        connect(shortcut, &QShortcut::activated, this, [this, page] { OnTabRightClicked(page); });
    }
}

void CMainDialog::ApplyAccess() {
    // Only the current tab shows its page's name; a reader names all of them.
    for (int tab = 0; tab < m_tabs->Bar()->count() && tab < kPageCount; ++tab) {
        m_tabs->Bar()->setAccessibleTabName(tab, FromCp932(TabText(static_cast<TagPage>(tab))));
    }
    for (int id : kLabels) {
        static_cast<QLabel*>(Control(id))->setBuddy(nullptr);
    }
    const int index = CurrentPage();
    if (!IsValidPage(index)) {
        return;
    }
    const TagPage page = static_cast<TagPage>(index);
    const PageLayout& pageLayout = PageLayoutOf(page);

    // Reading order: the action button and the window's tools at the top, the tabs, then
    // the page from top left to bottom right.
    std::vector<QWidget*> order;
    for (const CTipToolBar* bar : {m_outputBar, m_windowBar}) {
        for (const Button& button : ButtonsOf(*bar)) {
            order.push_back(button.widget);
        }
    }
    order.push_back(m_tabs->Bar());
    for (const AccessEntry& entry : AccessOrder(page)) {
        QWidget* control = Control(entry.control);
        const QString name =
            entry.label != 0 ? FromCp932(AccessibleLabelName(LabelTextOn(pageLayout, entry.label)))
                             : FromCp932(entry.name);
        control->setAccessibleName(name);
        QWidget* focus = control;
        if (auto* bar = qobject_cast<CTipToolBar*>(control)) {
            focus = nullptr;
            for (const Button& button : ButtonsOf(*bar)) {
                order.push_back(button.widget);
                if (focus == nullptr && button.shown) {
                    focus = button.widget;
                }
            }
        } else {
            order.push_back(control);
        }
        if (entry.label != 0 && focus != nullptr) {
            static_cast<QLabel*>(Control(entry.label))->setBuddy(focus);
        }
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    for (int sample :
         {ControlId::ColorSample, ControlId::GradationStartSample, ControlId::GradationEndSample}) {
        NameSample(sample);
    }
}

// A colour sample says what it sets and the colour it holds: "背景色: 白".
void CMainDialog::NameSample(int sampleId) {
    QWidget* sample = Control(sampleId);
    const int index = CurrentPage();
    if (sample == nullptr || !IsValidPage(index)) {
        return;
    }
    const TagPage page = static_cast<TagPage>(index);
    for (const AccessEntry& entry : AccessOrder(page)) {
        if (entry.control != sampleId) {
            continue;
        }
        const std::string base =
            entry.label != 0 ? AccessibleLabelName(LabelTextOn(PageLayoutOf(page), entry.label))
                             : std::string(entry.name);
        sample->setAccessibleName(FromCp932(base) + QStringLiteral(": ") + sample->toolTip());
        sample->setAccessibleDescription(QStringLiteral("スペースキーで色を選びます"));
    }
}

} // namespace quillet
