#pragma once

#include <QColor>
#include <QImage>

class QPainter;
class QRect;
class QString;

// The classic disabled look: a shape in the shadow colour with a highlight copy one pixel
// down and right, as if pressed into the surface.
namespace quillet {

// Opaque pixels that are not white form the shape; the result is one pixel wider and
// higher than the image.
QImage EmbossedImage(const QImage& image, const QColor& highlight, const QColor& shadow);

// Text drawn the same way: highlight one pixel down and right, then shadow on top.
void DrawEmbossedText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                      const QColor& highlight, const QColor& shadow);

// A dotted frame that inverts what is under it, every other pixel.
void DrawFocusFrame(QPainter& painter, const QRect& rect);

} // namespace quillet
