#pragma once

#include <QWidget>

class QFrame;
class QTabBar;

namespace quillet {

// The tab strip and the framed page area below it as one control, so that a click on the
// page area still reaches the tab control, with no tab under the pointer.
class CPageTabControl : public QWidget {
    Q_OBJECT

public:
    explicit CPageTabControl(QWidget* parent = nullptr);

    QTabBar* Bar() const { return m_bar; }
    int CurrentIndex() const;
    // The tab under a point of this widget, or -1 (the page area, the strip's empty end).
    int TabAt(const QPoint& point) const;

signals:
    // The user picked another tab.
    void SelectionChanged(int index);
    // A right click anywhere on the control; -1 when no tab is under the pointer.
    void RightClicked(int index);
    // A left click on the tab that already is current.
    void CurrentTabClicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* m_bar;
    QFrame* m_pageArea;
};

} // namespace quillet
