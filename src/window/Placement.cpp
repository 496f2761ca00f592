#include "Placement.h"

#include <QWidget>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace tintwright::ui {

qint64 overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : qint64 {common.width()} * common.height();
}

QPoint leastCovering(const QSize& size, const QRect& area, const QRect& avoid, const QPoint& preferred)
{
    // The best place touches an edge of what it avoids or of the area, or is the preferred one.
    const int lastX = std::max(area.left(), area.left() + area.width() - size.width());
    const int lastY = std::max(area.top(), area.top() + area.height() - size.height());
    QPoint best = preferred;
    qint64 bestCover = std::numeric_limits<qint64>::max();
    qint64 bestDistance = std::numeric_limits<qint64>::max();
    for (const int x : {preferred.x(), avoid.left() + avoid.width(), avoid.left() - size.width(), area.left(), lastX}) {
        for (const int y :
             {preferred.y(), avoid.top() + avoid.height(), avoid.top() - size.height(), area.top(), lastY}) {
            const QPoint at(std::clamp(x, area.left(), lastX), std::clamp(y, area.top(), lastY));
            const qint64 cover = overlap(QRect(at, size), avoid);
            const qint64 dx = at.x() - preferred.x();
            const qint64 dy = at.y() - preferred.y();
            const qint64 distance = dx * dx + dy * dy;
            if (cover < bestCover || (cover == bestCover && distance < bestDistance)) {
                best = at;
                bestCover = cover;
                bestDistance = distance;
            }
        }
    }
    return best;
}

QMargins frameOf(const QWidget& window, const QWidget& owner)
{
    const QWidget& framed = window.isVisible() ? window : owner;
    const QRect outer = framed.frameGeometry();
    const QRect inner = framed.geometry();
    return roundedUp(QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                              outer.bottom() - inner.bottom()),
                     framed.devicePixelRatioF());
}

QMargins roundedUp(const QMargins& frame, qreal devicePixelRatio)
{
    if (devicePixelRatio == std::floor(devicePixelRatio)) {
        return frame;
    }
    const auto more = [](int side) { return side > 0 ? side + 1 : side; };
    return QMargins(more(frame.left()), more(frame.top()), more(frame.right()), more(frame.bottom()));
}

} // namespace tintwright::ui
