#pragma once

#include <QLabel>
#include <QTimer>

namespace quillet {

// A static control that reports clicks without taking the focus, and shows its tool tip
// after a short rest of the pointer, also in an inactive window. Tab reaches it, and Space
// or Enter clicks it; assistive technology reads it as a button named by its tip.
class CClickStatic : public QLabel {
    Q_OBJECT

public:
    static constexpr int TipDelayMs = 100;

    CClickStatic(int id, QWidget* parent);

    // A solid area of this colour inside the frame.
    void SetFill(const QColor& color);
    // A click from the keyboard or assistive technology.
    Q_INVOKABLE void Activate();

signals:
    // A left button pressed and released over the control.
    void Clicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ShowTip();

    QTimer m_tipTimer;
    bool m_pressed = false;
};

} // namespace quillet
