#include "app/CFontSampleView.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace quillet {

CFontSampleView::CFontSampleView(std::function<QColor()> color, const QString& initialText,
                                 QWidget* parent)
    : QFrame(parent), m_color(std::move(color)), m_font(font()), m_text(initialText) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void CFontSampleView::SetCellHeight(QFont& font, int cellHeight) {
    const int cell = std::max(1, cellHeight);
    const auto heightAt = [&font](int pixels) {
        font.setPixelSize(pixels);
        return QFontMetrics(font).height();
    };
    // The face's own proportion gives the first guess; rounding is then settled by steps.
    constexpr int kReference = 1000;
    font.setPixelSize(kReference);
    const qreal referenceHeight = QFontMetricsF(font).height();
    int pixels = referenceHeight > 0 ? qRound(cell * kReference / referenceHeight) : cell;
    pixels = std::clamp(pixels, 1, cell);
    while (pixels > 1 && heightAt(pixels) > cell) {
        --pixels;
    }
    while (pixels < cell && heightAt(pixels + 1) <= cell) {
        ++pixels;
    }
    font.setPixelSize(pixels);
}

void CFontSampleView::SetSample(const QFont& font, const QString& text) {
    m_font = font;
    m_text = text;
    update();
}

void CFontSampleView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(contentsRect(), Qt::white);
    painter.setClipRect(contentsRect());
    painter.setFont(m_font);
    painter.setPen(m_color());
    painter.drawText(contentsRect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_text);
    painter.end();
    QFrame::paintEvent(event);
}

} // namespace quillet
