#include "Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tintwright::ui {

QPixmap renderPicture(const QString& resource, const QSize& size, qreal devicePixelRatio)
{
    QPixmap picture(size * devicePixelRatio);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&picture);
    renderer.render(&painter);
    painter.end();
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 192}) {
        icon.addPixmap(renderPicture(QStringLiteral(":/resources/tintwright.svg"), QSize(side, side)));
    }
    return icon;
}

} // namespace tintwright::ui
