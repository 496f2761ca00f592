#include "SketchView.h"

#include <QAccessibleWidget>
#include <QCursor>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
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

QFont textFont(const QFont& base, const sketch::Shape& shape)
{
    QFont font = base;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(shape.h))));
    return font;
}

// What the shape paints, in the scene: a text as its font draws it (which may
// pass the width the scene gives it, and goes below its baseline), a stroke
// with its width.
QRectF paintedBounds(const sketch::Shape& shape, const QFont& font)
{
    if (shape.kind == sketch::ShapeKind::Text) {
        const QFontMetricsF metrics(textFont(font, shape));
        const QRectF drawn = metrics.boundingRect(QString::fromStdString(shape.text));
        return drawn.translated(shape.x, shape.y).united(bounds(shape));
    }
    const double half = sketch::isStroked(shape) ? sketch::kStrokeWidth / 2 : 0;
    return bounds(shape).adjusted(-half, -half, half, half);
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
        const QFont font = textFont(painter.font(), shape);
        painter.setFont(font);
        painter.setPen(QPen(brush, 1));
        painter.drawText(QPointF(shape.x, shape.y), QString::fromStdString(shape.text));
        break;
    }
    }
}

// One shape of the sketch as a screen reader meets it: a graphic named as the
// pointer's line names it, at its place on the screen.
class ShapeAccessible final : public QAccessibleInterface {
public:
    ShapeAccessible(SketchView* view, int shape)
        : m_view(view)
        , m_shape(shape)
    {
    }
    bool isValid() const override { return m_view && m_shape < static_cast<int>(m_view->scene().shapes.size()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        if (!isValid()) {
            return {};
        }
        if (kind == QAccessible::Name) {
            return m_view->describe(m_shape);
        }
        return kind == QAccessible::Description
            ? QString::fromStdString(m_view->scene().shapes[static_cast<std::size_t>(m_shape)].area)
            : QString();
    }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override
    {
        return isValid()
            ? QRect(m_view->mapToGlobal(m_view->shapeRect(m_shape).topLeft()), m_view->shapeRect(m_shape).size())
            : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = m_view && m_view->hasFocus() && m_view->focusedShape() == m_shape;
        state.invisible = !m_view || !m_view->isVisible();
        return state;
    }

private:
    QPointer<SketchView> m_view;
    int m_shape;
};

// The sketch with its shapes as children, each made once and kept until the
// view shows another scene.
class SketchAccessible final : public QAccessibleWidget {
public:
    explicit SketchAccessible(SketchView* view)
        : QAccessibleWidget(view, QAccessible::Graphic)
    {
    }
    int childCount() const override { return static_cast<int>(view()->scene().shapes.size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        auto& made = children[&view()->scene()];
        auto found = made.find(index);
        if (found == made.end()) {
            found =
                made.emplace(index, QAccessible::registerAccessibleInterface(new ShapeAccessible(view(), index))).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (const auto& [index, id] : children[&view()->scene()]) {
            if (QAccessible::accessibleInterface(id) == child) {
                return index;
            }
        }
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        return view()->hasFocus() && view()->focusedShape() >= 0 ? child(view()->focusedShape()) : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        // The shape the pointer names there, not the last whose box holds the point.
        const int shape = view()->shapeAt(view()->mapFromGlobal(QPoint(x, y)));
        return shape < 0 ? nullptr : child(shape);
    }
    ~SketchAccessible() override
    {
        for (const auto& [scene, made] : children) {
            for (const auto& [index, id] : made) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

private:
    SketchView* view() const { return static_cast<SketchView*>(widget()); }

    mutable std::map<const sketch::Scene*, std::map<int, QAccessible::Id>> children;
};

QAccessibleInterface* sketchAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("tintwright::ui::SketchView") && object && object->isWidgetType()) {
        return new SketchAccessible(static_cast<SketchView*>(object));
    }
    return nullptr;
}

} // namespace

SketchView::SketchView(QWidget* parent)
    : QWidget(parent)
    , m_scene(&sketch::sessionScene())
{
    static const bool factoryInstalled = (QAccessible::installFactory(sketchAccessible), true);
    (void)factoryInstalled;
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(300, 190);
    m_describe = [](const sketch::Shape& shape) { return QString::fromStdString(shape.element); };
}

void SketchView::setScene(const sketch::Scene& scene)
{
    m_scene = &scene;
    m_hovered = -1;
    m_focusShape = -1;
    m_reported = -1;
    update();
}

void SketchView::setDescriber(std::function<QString(const sketch::Shape&)> describe)
{
    m_describe = std::move(describe);
}

QString SketchView::describe(int shape) const
{
    return shape >= 0 && shape < static_cast<int>(m_scene->shapes.size())
        ? m_describe(m_scene->shapes[static_cast<std::size_t>(shape)])
        : QString();
}

QRect SketchView::shapeRect(int shape) const
{
    return sceneToWidget().mapRect(bounds(m_scene->shapes.at(static_cast<std::size_t>(shape)))).toAlignedRect();
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

int SketchView::shapeAt(const QPoint& point) const
{
    const QPointF inScene = sceneToWidget().inverted().map(QPointF(point));
    return sketch::shapeAt(*m_scene, inScene.x(), inScene.y());
}

std::string SketchView::elementAt(const QPoint& point) const
{
    const int index = shapeAt(point);
    return index < 0 ? std::string() : m_scene->shapes[static_cast<std::size_t>(index)].element;
}

// The tooltip stands above the pointer, so that near the sketch's bottom it
// does not cover the line below the sketch that names the same shape.
bool SketchView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int above = 3 * fontMetrics().height();
        QToolTip::showText(help->globalPos() - QPoint(0, above), toolTip(), this);
        return true;
    }
    return QWidget::event(event);
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
    painter.setBrush(Qt::NoBrush);
    const double pixel = 1 / std::max(sceneToWidget().m11(), 0.01);
    // The shape the keyboard is on: a solid frame, black inside white, beside the outlines.
    if (hasFocus() && m_focusShape >= 0) {
        const QRectF around = bounds(m_scene->shapes[static_cast<std::size_t>(m_focusShape)])
                                  .adjusted(-4 * pixel, -4 * pixel, 4 * pixel, 4 * pixel);
        painter.setPen(QPen(Qt::white, 4 * pixel));
        painter.drawRect(around);
        painter.setPen(QPen(Qt::black, 2 * pixel));
        painter.drawRect(around);
    }
    // A dashed black-and-white outline shows on any colour. It stands a pixel
    // clear of all the shape paints (a text's descenders and overhang included),
    // so it never covers what it outlines.
    for (const sketch::Shape& shape : m_scene->shapes) {
        if (shape.element != m_outlined) {
            continue;
        }
        const QRectF around = paintedBounds(shape, font).adjusted(-2 * pixel, -2 * pixel, 2 * pixel, 2 * pixel);
        painter.setPen(QPen(Qt::white, pixel));
        painter.drawRect(around);
        QPen dashes(Qt::black, pixel, Qt::DashLine);
        painter.setPen(dashes);
        painter.drawRect(around);
    }
}

void SketchView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF inScene = sceneToWidget().inverted().map(event->position());
    const int shape = sketch::shapeAt(*m_scene, inScene.x(), inScene.y());
    if (shape != m_hovered) {
        m_hovered = shape;
        report(shape >= 0 || !hasFocus() ? shape : m_focusShape);
    }
    QWidget::mouseMoveEvent(event);
}

void SketchView::leaveEvent(QEvent* event)
{
    m_hovered = -1;
    report(hasFocus() ? m_focusShape : -1);
    QWidget::leaveEvent(event);
}

void SketchView::report(int shape)
{
    if (shape != m_reported) {
        m_reported = shape;
        emit hovered(shape);
    }
}

void SketchView::focusShape(int shape)
{
    const int last = static_cast<int>(m_scene->shapes.size()) - 1;
    m_focusShape = std::clamp(shape, 0, last);
    update();
    report(m_focusShape);
    QAccessibleEvent focused(this, QAccessible::Focus);
    focused.setChild(m_focusShape);
    QAccessible::updateAccessibility(&focused);
}

// Tab comes in at the first area, Shift+Tab at the last; a click or the
// window's return keeps the shape that was current.
void SketchView::focusInEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::TabFocusReason) {
        focusShape(0);
    } else if (event->reason() == Qt::BacktabFocusReason) {
        int start = static_cast<int>(m_scene->shapes.size()) - 1;
        while (start > 0
               && m_scene->shapes[static_cast<std::size_t>(start - 1)].area
                   == m_scene->shapes[static_cast<std::size_t>(start)].area) {
            --start;
        }
        focusShape(start);
    } else {
        focusShape(std::max(m_focusShape, 0));
        // Back from a dialog or another window: the pointer, if it is on a shape, names it.
        const QPoint pointer = mapFromGlobal(QCursor::pos());
        m_hovered = rect().contains(pointer) ? shapeAt(pointer) : -1;
        if (m_hovered >= 0) {
            report(m_hovered);
        }
    }
    QWidget::focusInEvent(event);
}

// The keys gone to another control: the line names what the pointer is on, if anything.
// (A menu or another window taking them for a while leaves the line as it is.)
void SketchView::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
        report(m_hovered);
    }
    update();
    QWidget::focusOutEvent(event);
}

void SketchView::keyPressEvent(QKeyEvent* event)
{
    const int shape = std::max(m_focusShape, 0);
    const QString element = QString::fromStdString(m_scene->shapes[static_cast<std::size_t>(shape)].element);
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusShape(shape + 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusShape(shape - 1);
        break;
    case Qt::Key_Home:
        focusShape(0);
        break;
    case Qt::Key_End:
        focusShape(static_cast<int>(m_scene->shapes.size()) - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit doubleClicked(element);
        break;
    case Qt::Key_Space:
        emit clicked(element);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// Tab goes to the first shape of the next named area (Shift+Tab of the one
// before), and on from the last area to the next control of the window.
bool SketchView::focusNextPrevChild(bool next)
{
    const auto& shapes = m_scene->shapes;
    const int count = static_cast<int>(shapes.size());
    const auto areaOf = [&](int index) -> const std::string& { return shapes[static_cast<std::size_t>(index)].area; };
    int shape = std::max(m_focusShape, 0);
    if (next) {
        while (shape < count && areaOf(shape) == areaOf(std::max(m_focusShape, 0))) {
            ++shape;
        }
    } else {
        // Back to the start of this area, then to the start of the one before.
        const int start = [&] {
            int at = shape;
            while (at > 0 && areaOf(at - 1) == areaOf(shape)) {
                --at;
            }
            return at;
        }();
        shape = start - 1;
        while (shape > 0 && areaOf(shape - 1) == areaOf(shape)) {
            --shape;
        }
    }
    if (shape < 0 || shape >= count) {
        return QWidget::focusNextPrevChild(next);
    }
    focusShape(shape);
    return true;
}

QString SketchView::clickedElement(const QMouseEvent& event) const
{
    return event.button() == Qt::LeftButton ? QString::fromStdString(elementAt(event.position().toPoint())) : QString();
}

// The clicked shape becomes the one current shape, for Enter, Space, the arrows and the outline alike.
void SketchView::mousePressEvent(QMouseEvent* event)
{
    if (const QString element = clickedElement(*event); !element.isEmpty()) {
        focusShape(shapeAt(event->position().toPoint()));
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
