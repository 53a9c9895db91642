#include "controls/DialogFont.h"

namespace quillet {

int LatinLettersWidth(const QFontMetrics& metrics) {
    return metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
}

DialogBaseUnits DialogFontUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    return BaseUnitsOf(LatinLettersWidth(metrics), metrics.height());
}

QRect DialogRectToPixels(const QRect& units, DialogBaseUnits base) {
    const geom::Rect edges =
        MapDialogRect(units.x(), units.y(), units.width(), units.height(), base);
    return {edges.left, edges.top, edges.Width(), edges.Height()};
}

} // namespace quillet
