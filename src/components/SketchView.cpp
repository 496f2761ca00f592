#include "SketchView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tintwright::ui {

namespace {

QColor colorOf(const sketch::ElementColor& color)
{
    return QColor(color.rgb.R, color.rgb.G, color.rgb.B);
}

QRectF bounds(const sketch::Shape& shape)
{
    const double top = shape.kind == sketch::ShapeKind::Text ? shape.y - shape.h : shape.y;
    return QRectF(shape.x, top, std::max(shape.w, 1.0), std::max(shape.h, 1.0));
}

QPolygonF polygon(const sketch::Shape& shape)
{
    QPolygonF points;
    for (const sketch::Point& point : sketch::outlinePoints(shape)) {
        points << QPointF(point.x, point.y);
    }
    return points;
}

void drawShape(QPainter& painter, const sketch::Shape& shape, const QBrush& brush)
{
    using sketch::ShapeKind;
    const bool stroked = sketch::isStroked(shape);
    painter.setPen(stroked ? QPen(brush, sketch::kStrokeWidth) : Qt::NoPen);
    painter.setBrush(stroked ? Qt::NoBrush : brush);
    switch (shape.kind) {
    case ShapeKind::Rect:
        painter.drawRect(QRectF(shape.x, shape.y, shape.w, shape.h));
        break;
    case ShapeKind::RoundedRect:
        painter.drawRoundedRect(QRectF(shape.x, shape.y, shape.w, shape.h), sketch::kCornerRadius,
                                sketch::kCornerRadius);
        break;
    case ShapeKind::Circle:
        painter.drawEllipse(QRectF(shape.x, shape.y, shape.w, shape.h));
        break;
    case ShapeKind::Line:
    case ShapeKind::Polyline:
        if (shape.points.empty()) {
            painter.drawPolygon(polygon(shape));
        } else {
            painter.drawPolyline(polygon(shape));
        }
        break;
    case ShapeKind::Arc:
        painter.drawArc(QRectF(shape.x, shape.y, shape.w, shape.h), static_cast<int>(shape.startAngle * 16),
                        static_cast<int>(shape.spanAngle * 16));
        break;
    case ShapeKind::Text: {
        QFont font = painter.font();
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(shape.h))));
        painter.setFont(font);
        painter.setPen(QPen(brush, 1));
        painter.drawText(QPointF(shape.x, shape.y), QString::fromStdString(shape.text));
        break;
    }
    }
}

} // namespace

SketchView::SketchView(QWidget* parent)
    : QWidget(parent)
    , m_scene(&sketch::sessionScene())
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(300, 190);
}

void SketchView::setScene(const sketch::Scene& scene)
{
    m_scene = &scene;
    m_hovered.clear();
    update();
}

void SketchView::setColors(sketch::ElementColors colors)
{
    m_colors = std::move(colors);
    update();
}

void SketchView::setOutlined(const std::string& element)
{
    if (element != m_outlined) {
        m_outlined = element;
        update();
    }
}

QSize SketchView::sizeHint() const
{
    return QSize(static_cast<int>(m_scene->width * 0.75), static_cast<int>(m_scene->height * 0.75));
}

QTransform SketchView::sceneToWidget() const
{
    const double scale = std::min(width() / m_scene->width, height() / m_scene->height);
    const double left = (width() - m_scene->width * scale) / 2;
    const double top = (height() - m_scene->height * scale) / 2;
    return QTransform(scale, 0, 0, scale, left, top);
}

QPointF SketchView::toWidget(const sketch::Point& point) const
{
    return sceneToWidget().map(QPointF(point.x, point.y));
}

std::string SketchView::elementAt(const QPoint& point) const
{
    const QPointF inScene = sceneToWidget().inverted().map(QPointF(point));
    const int index = sketch::shapeAt(*m_scene, inScene.x(), inScene.y());
    return index < 0 ? std::string() : m_scene->shapes[static_cast<std::size_t>(index)].element;
}

void SketchView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(sceneToWidget());
    QFont font(QStringLiteral("sans-serif"));
    font.setStyleHint(QFont::SansSerif);
    painter.setFont(font);
    // A theme without the element: Live paints it in its own default colour, so it shows as hatched.
    QBrush missing(QColor(255, 0, 255), Qt::BDiagPattern);
    for (const sketch::Shape& shape : m_scene->shapes) {
        const auto found = m_colors.find(shape.element);
        if (found == m_colors.end()) {
            if (shape.kind != sketch::ShapeKind::Text && shape.paint == sketch::Paint::Fill) {
                drawShape(painter, shape, Qt::white);
            }
            drawShape(painter, shape, missing);
        } else {
            drawShape(painter, shape, colorOf(found->second));
        }
    }
    if (m_outlined.empty()) {
        return;
    }
    // A dashed black-and-white outline shows on any colour.
    painter.setBrush(Qt::NoBrush);
    const double pixel = 1 / std::max(sceneToWidget().m11(), 0.01);
    for (const sketch::Shape& shape : m_scene->shapes) {
        if (shape.element != m_outlined) {
            continue;
        }
        const QRectF around = bounds(shape).adjusted(-2 * pixel, -2 * pixel, 2 * pixel, 2 * pixel);
        painter.setPen(QPen(Qt::white, 2 * pixel));
        painter.drawRect(around);
        QPen dashes(Qt::black, 2 * pixel, Qt::DashLine);
        painter.setPen(dashes);
        painter.drawRect(around);
    }
}

void SketchView::mouseMoveEvent(QMouseEvent* event)
{
    const QString element = QString::fromStdString(elementAt(event->position().toPoint()));
    if (element != m_hovered) {
        m_hovered = element;
        emit hovered(element);
    }
    QWidget::mouseMoveEvent(event);
}

void SketchView::leaveEvent(QEvent* event)
{
    if (!m_hovered.isEmpty()) {
        m_hovered.clear();
        emit hovered(QString());
    }
    QWidget::leaveEvent(event);
}

QString SketchView::clickedElement(const QMouseEvent& event) const
{
    return event.button() == Qt::LeftButton ? QString::fromStdString(elementAt(event.position().toPoint())) : QString();
}

void SketchView::mousePressEvent(QMouseEvent* event)
{
    if (const QString element = clickedElement(*event); !element.isEmpty()) {
        emit clicked(element);
    }
    QWidget::mousePressEvent(event);
}

void SketchView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (const QString element = clickedElement(*event); !element.isEmpty()) {
        emit doubleClicked(element);
    }
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace tintwright::ui
