#include "Pictures.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#ifdef TINTWRIGHT_PICTURES_AS_PNG
#include <QString>
#else
#include <QSvgRenderer>
#endif

namespace tintwright::ui {

namespace {

// Draws a picture of the resources into the painter's whole device. Where Qt
// Svg is not built (the Windows build), the build drew each SVG to a PNG four
// times its size, and that is scaled down instead.
void drawPicture(QPainter& painter, const QString& resource)
{
#ifdef TINTWRIGHT_PICTURES_AS_PNG
    QString png = resource;
    png.replace(png.size() - 3, 3, QStringLiteral("png"));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, painter.device()->width(), painter.device()->height()), QImage(png));
#else
    QSvgRenderer(resource).render(&painter);
#endif
}

} // namespace

QPixmap renderPicture(const QString& resource, const QSize& size, qreal devicePixelRatio)
{
    QPixmap picture(size * devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    drawPicture(painter, resource);
    painter.end();
    picture.setDevicePixelRatio(devicePixelRatio);
    return picture;
}

namespace {

// The icon is one image of 192 x 192 pixels, drawn from its SVG the first time
// a desktop asks for it and scaled from there: a window system that asked for
// several sizes, each parsed and drawn anew, made start-up measurably slower.
class ProgramIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(rect, image());
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const QImage& picture = image();
        return QPixmap::fromImage(
            size == picture.size() ? picture : picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {kSize}; }
    QIconEngine* clone() const override { return new ProgramIconEngine; }

private:
    static constexpr QSize kSize {192, 192};

    static const QImage& image()
    {
        static const QImage picture = [] {
            QImage drawn(kSize, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter painter(&drawn);
            drawPicture(painter, QStringLiteral(":/resources/tintwright.svg"));
            return drawn;
        }();
        return picture;
    }
};

} // namespace

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

} // namespace tintwright::ui
