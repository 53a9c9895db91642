#pragma once

#include <QRect>

class QToolButton;

namespace quillet {

class CTipToolBar;

// resource::OutputToolBar as one split button: the first button of the layout with a
// drop-down arrow, text beside its image, in the dialog font; the other buttons go. It
// shows copy until ShowDefaultAction says otherwise.
void PrepareSplitButton(CTipToolBar& bar);

// Gives the split button the command, image, text and width of action 0, 1 or 2. False,
// and nothing changed, for any other index.
bool ShowDefaultAction(CTipToolBar& bar, int index);

// The action the split button shows, read back from its image: 0, 1 or 2, or -1 when it
// shows none of them.
int ShownDefaultAction(const CTipToolBar& bar);

// Where the split button's arrow is, in the button's coordinates.
QRect SplitArrowRect(const QToolButton& button);

} // namespace quillet
