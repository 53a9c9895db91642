#include "controls/DialogFont.h"

#include <QApplication>

namespace quillet {
namespace {

const QString kDialogFace = QStringLiteral("ＭＳ Ｐゴシック");

} // namespace

QFont DialogFont() {
    QFont font(kDialogFace);
    font.setPointSize(9);
    return font;
}

void UseDialogFont() {
    QFont::insertSubstitution(kDialogFace, QStringLiteral("IPAPGothic"));
    QApplication::setFont(DialogFont());
}

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
