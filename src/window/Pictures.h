#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tintwright::ui {

// A picture drawn from one of the program's SVG resources at `size` logical pixels.
QPixmap renderPicture(const QString& resource, const QSize& size, qreal devicePixelRatio = 1.0);

// The program's icon, three glossy hexagons: one image of 192 x 192 pixels.
QIcon programIcon();

} // namespace tintwright::ui
