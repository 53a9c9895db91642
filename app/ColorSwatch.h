#pragma once

#include <QColor>
#include <QFrame>

namespace quillet {

// A sunken area painted in one colour that reports clicks: the colour samples of the
// font, gradation and scrolling-text pages.
class ColorSwatch : public QFrame {
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    void SetColor(const QColor& color);
    QColor Color() const { return m_color; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_color = Qt::black;
};

} // namespace quillet
