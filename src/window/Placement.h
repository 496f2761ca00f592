#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tintwright::ui {

// Where a window of `size` (its frame included) stands inside `area`, covering
// as little of `avoid` as it can; among places that cover equally little, the
// one nearest `preferred`. All in the screen's device-independent pixels.
QPoint leastCovering(const QSize& size, const QRect& area, const QRect& avoid, const QPoint& preferred);

// How much of `a` lies on `b`, in square pixels.
qint64 overlap(const QRect& a, const QRect& b);

// The frame the window system draws around `window`; before it is shown,
// that of the window it belongs to, which the same window manager frames.
// At a fractional scale each side counts a pixel more, as its size in the
// screen's own pixels may be up to a pixel more than Qt's rounded one.
QMargins frameOf(const QWidget& window, const QWidget& owner);
QMargins roundedUp(const QMargins& frame, qreal devicePixelRatio);

} // namespace tintwright::ui
