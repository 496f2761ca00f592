#include "DevicePixels.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace tintwright::ui::device {

namespace {

// Where the widget's top left corner lies on the screen's pixels of its window.
QPointF origin(const QWidget& widget)
{
    return QPointF(widget.mapTo(widget.window(), QPoint(0, 0))) * widget.devicePixelRatioF();
}

// The window is drawn into a picture of whole pixels; an edge at a fraction
// of a pixel falls to the nearest whole one.
int snap(qreal position)
{
    return static_cast<int>(std::lround(position));
}

} // namespace

void usePixels(QPainter& painter, const QWidget& widget)
{
    const qreal ratio = widget.devicePixelRatioF();
    const QPointF corner = origin(widget);
    QTransform transform;
    transform.scale(1 / ratio, 1 / ratio);
    transform.translate(snap(corner.x()) - corner.x(), snap(corner.y()) - corner.y());
    painter.setWorldTransform(transform);
}

QRect rect(const QWidget& widget, const QRect& area)
{
    const qreal ratio = widget.devicePixelRatioF();
    const QPointF corner = origin(widget);
    const int left = snap(corner.x() + area.left() * ratio);
    const int top = snap(corner.y() + area.top() * ratio);
    const int right = snap(corner.x() + (area.left() + area.width()) * ratio);
    const int bottom = snap(corner.y() + (area.top() + area.height()) * ratio);
    return QRect(left - snap(corner.x()), top - snap(corner.y()), right - left, bottom - top);
}

int lineWidth(const QWidget& widget)
{
    return std::max(1, snap(widget.devicePixelRatioF()));
}

} // namespace tintwright::ui::device
