#pragma once

#include <QFont>
#include <QFrame>
#include <QString>

#include <functional>

namespace quillet {

// The font page's sample: a text centred across the top, in the requested font and colour
// on white, wrapped at words like a static text. Until a font is requested it shows
// `initialText` in the widget's own font.
class CFontSampleView : public QFrame {
    Q_OBJECT

public:
    CFontSampleView(std::function<QColor()> color, const QString& initialText,
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
