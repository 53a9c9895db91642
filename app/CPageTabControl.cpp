#include "app/CPageTabControl.h"

#include <QFrame>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QTabBar>

namespace quillet {
namespace {

// Two pixels beside and three above and below each tab's picture and name, so that all
// seven tabs fit the narrowest window next to the current tab's name.
class TabPaddingStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) {
            return 2 * 2;
        }
        if (metric == PM_TabBarTabVSpace) {
            return 2 * 3;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

CPageTabControl::CPageTabControl(QWidget* parent)
    : QWidget(parent), m_bar(new QTabBar(this)), m_pageArea(new QFrame(this)) {
    m_bar->setObjectName("tabBar");
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    m_bar->setUsesScrollButtons(false);
    m_bar->setElideMode(Qt::ElideRight);
    auto* style = new TabPaddingStyle;
    // Made after the bar, so the bar, which uses it, is deleted first.
    style->setParent(this);
    m_bar->setStyle(style);
    m_bar->setFocusPolicy(Qt::TabFocus);
    m_pageArea->setFrameShape(QFrame::StyledPanel);
    m_pageArea->setFrameShadow(QFrame::Raised);
    m_pageArea->setObjectName("pageArea");
    m_bar->installEventFilter(this);
    m_pageArea->installEventFilter(this);
    m_bar->raise();
    // The click arrives before the bar changes tabs, so the current tab is still current.
    connect(m_bar, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == m_bar->currentIndex()) {
            emit CurrentTabClicked(index);
        }
    });
    connect(m_bar, &QTabBar::currentChanged, this, &CPageTabControl::SelectionChanged);
}

int CPageTabControl::CurrentIndex() const {
    return m_bar->currentIndex();
}

int CPageTabControl::TabAt(const QPoint& point) const {
    if (!m_bar->geometry().contains(point)) {
        return -1;
    }
    return m_bar->tabAt(m_bar->mapFrom(this, point));
}

bool CPageTabControl::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == m_bar || watched == m_pageArea) && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            const QPoint point =
                static_cast<QWidget*>(watched)->mapTo(this, mouse->position().toPoint());
            emit RightClicked(TabAt(point));
            return true;
        }
    }
    if ((watched == m_bar || watched == m_pageArea) && event->type() == QEvent::ContextMenu) {
        return true;
    }
    // Pages change by picking a tab; a wheel turned in passing would also drop a combination.
    if (watched == m_bar && event->type() == QEvent::Wheel) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CPageTabControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int barHeight = m_bar->sizeHint().height();
    m_bar->setGeometry(0, 0, width(), barHeight);
    // The frame starts under the strip's bottom edge so the current tab joins the page.
    const int top = barHeight - 2;
    m_pageArea->setGeometry(0, top, width(), std::max(0, height() - top));
}

} // namespace quillet
