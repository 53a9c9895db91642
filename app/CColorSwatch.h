#pragma once

#include <QFrame>
#include <QPoint>

#include <functional>

namespace quillet {

// A sunken area painted in one colour that reports clicks: the colour samples of the
// font, gradation and scrolling-text pages. The colour is asked for at paint time, so the
// sample always shows its slot's current value. Space, F4 or Alt+Down opens it from the
// keyboard, and assistive technology reads it as a button.
class CColorSwatch : public QFrame {
    Q_OBJECT

public:
    explicit CColorSwatch(std::function<QColor()> color, QWidget* parent = nullptr);

    QColor Color() const { return m_color(); }
    // Where the pointer was, in screen coordinates, when the last click ended.
    QPoint ClickPoint() const { return m_clickPoint; }
    // A click from the keyboard or assistive technology: the popup opens below the sample.
    Q_INVOKABLE void Activate();

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<QColor()> m_color;
    QPoint m_clickPoint;
};

} // namespace quillet
