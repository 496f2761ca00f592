#pragma once

#include <QRect>

class QPainter;
class QWidget;

// Drawing on the screen's own pixels. At a fractional scale (1.25, 1.5) a
// pixel of the layout is not a whole number of screen pixels, so lines drawn
// in layout pixels land between screen pixels: they thicken, thin out, or
// miss the outermost pixels of a control. Lines drawn here lie on whole
// screen pixels, one line width thick, at any scale.
namespace tintwright::ui::device {

// Switches `painter`, open on `widget`, to screen pixels, whole pixels on
// whole numbers: afterwards rect() below tells where things are.
void usePixels(QPainter& painter, const QWidget& widget);

// The screen pixels that `area` (in `widget`'s coordinates) covers, in the
// coordinates usePixels() gives.
QRect rect(const QWidget& widget, const QRect& area);

// The width of a line: one screen pixel per whole step of the scale.
int lineWidth(const QWidget& widget);

} // namespace tintwright::ui::device
