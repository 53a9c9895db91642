#include "controls/Emboss.h"

#include <QPainter>
#include <QRect>
#include <QString>

namespace quillet {

QImage EmbossedImage(const QImage& image, const QColor& highlight, const QColor& shadow) {
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.width() + 1, source.height() + 1, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    auto inShape = [&source](int x, int y) {
        const QRgb pixel = source.pixel(x, y);
        return qAlpha(pixel) >= 128 && (pixel & RGB_MASK) != 0xFFFFFF;
    };
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (inShape(x, y)) {
                out.setPixel(x + 1, y + 1, highlight.rgb());
            }
        }
    }
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (inShape(x, y)) {
                out.setPixel(x, y, shadow.rgb());
            }
        }
    }
    return out;
}

void DrawEmbossedText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                      const QColor& highlight, const QColor& shadow) {
    painter.save();
    painter.setPen(highlight);
    painter.drawText(rect.translated(1, 1), flags, text);
    painter.setPen(shadow);
    painter.drawText(rect, flags, text);
    painter.restore();
}

void DrawFocusFrame(QPainter& painter, const QRect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0) {
        return;
    }
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(Qt::white);
    // Each pixel of the frame once: a pixel inverted twice would show nothing.
    auto dot = [&painter](int x, int y) {
        if ((x + y) % 2 == 0) {
            painter.drawPoint(x, y);
        }
    };
    const int right = rect.right();
    const int bottom = rect.bottom();
    for (int x = rect.left(); x <= right; ++x) {
        dot(x, rect.top());
        if (bottom != rect.top()) {
            dot(x, bottom);
        }
    }
    for (int y = rect.top() + 1; y < bottom; ++y) {
        dot(rect.left(), y);
        if (right != rect.left()) {
            dot(right, y);
        }
    }
    painter.restore();
}

} // namespace quillet
