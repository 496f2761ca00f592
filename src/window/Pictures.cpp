#include "Pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <utility>

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

namespace {

// Draws the icon at the size asked for, when it is asked for: rendering it at
// every size up front made start-up measurably slower.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(QString resource)
        : m_resource(std::move(resource))
    {
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        QSvgRenderer(m_resource).render(painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, picture.rect(), mode, state);
        return picture;
    }
    QIconEngine* clone() const override { return new SvgIconEngine(m_resource); }

private:
    QString m_resource;
};

} // namespace

QIcon programIcon()
{
    return QIcon(new SvgIconEngine(QStringLiteral(":/resources/tintwright.svg")));
}

} // namespace tintwright::ui
