#pragma once

#include <QFrame>
#include <QPoint>

#include <functional>

namespace quillet {

// A sunken area painted in one colour that reports clicks: the colour samples of the
// font, gradation and scrolling-text pages. The colour is asked for at paint time, so the
// sample always shows its slot's current value.
class ColorSwatch : public QFrame {
    Q_OBJECT

public:
    explicit ColorSwatch(std::function<QColor()> color, QWidget* parent = nullptr);

    QColor Color() const { return m_color(); }
    // Where the pointer was, in screen coordinates, when the last click ended.
    QPoint ClickPoint() const { return m_clickPoint; }

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<QColor()> m_color;
    QPoint m_clickPoint;
};

// The font page's sample: a text centred across the top, in the requested font and colour
// on white, wrapped at words like a static text. Until a font is requested it shows
// `initialText` in the widget's own font.
class FontSampleView : public QFrame {
    Q_OBJECT

public:
    FontSampleView(std::function<QColor()> color, const QString& initialText,
                   QWidget* parent = nullptr);

    // The largest pixel size at which `font` is at most `cellHeight` pixels from the top of
    // its ascent to the bottom of its descent: sizes are asked for as cell heights.
    static void SetCellHeight(QFont& font, int cellHeight);

    void SetSample(const QFont& font, const QString& text);
    QString Text() const { return m_text; }
    QFont SampleFont() const { return m_font; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<QColor()> m_color;
    QFont m_font;
    QString m_text;
};

} // namespace quillet
