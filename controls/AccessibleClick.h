#pragma once

class QWidget;

namespace quillet {

// Makes a clickable area that is drawn as a static control read as a button by assistive
// technology, whose press action calls the widget's invokable Activate(). Call it from the
// widget's constructor.
void MarkAsAccessibleButton(QWidget& widget);

// Draws the keyboard focus frame inside a plain control that has the focus.
void DrawFocusFrame(QWidget& widget);

} // namespace quillet
