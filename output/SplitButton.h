#pragma once

#include "output/DefaultAction.h"

#include <QRect>

class QToolButton;

namespace quillet {

class CTipToolBar;

// resource::OutputToolBar as one split button: the first button of the layout with a
// drop-down arrow, text beside its image, in the dialog font; the other buttons go. It
// shows copy until ShowDefaultAction says otherwise.
void PrepareSplitButton(CTipToolBar& bar);

// Gives the split button the command, image, text and width of the action.
void ShowDefaultAction(CTipToolBar& bar, DefaultAction action);

// Where the split button's arrow is, in the button's coordinates.
QRect SplitArrowRect(const QToolButton& button);

} // namespace quillet
