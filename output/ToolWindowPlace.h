#pragma once

class QWidget;

namespace quillet {

// Puts a tool window beside the owner's right edge, at the owner's top or just below
// `above` when that window is given and showing; left of the owner when the right side has
// no room on the owner's screen.
void PlaceBesideOwner(QWidget& window, const QWidget& owner, const QWidget* above = nullptr);

} // namespace quillet
