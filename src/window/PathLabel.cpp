#include "PathLabel.h"

#include <QPainter>

namespace tintwright::ui {

void PathLabel::setPath(const QString& path)
{
    setText(path);
    setToolTip(path);
}

void PathLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, static_cast<int>(alignment()),
                     fontMetrics().elidedText(text(), Qt::ElideLeft, area.width()));
}

} // namespace tintwright::ui
