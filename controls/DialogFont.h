#pragma once

#include "controls/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>
#include <QRect>

namespace quillet {

// The dialog font: "ＭＳ Ｐゴシック" 9 points, drawn by its metric twin.
QFont DialogFont();
// Installs the substitution and makes the dialog font the application's font.
void UseDialogFont();

// The width of "A".."Z" "a".."z" set in the font: what dialog base units are measured from.
int LatinLettersWidth(const QFontMetrics& metrics);

// The base units of a window laid out in dialog units of `font`.
DialogBaseUnits DialogFontUnits(const QFont& font);

// A rectangle given in dialog units, in pixels, by the same rounding as every template.
QRect DialogRectToPixels(const QRect& units, DialogBaseUnits base);

} // namespace quillet
