#pragma once

#include "sketch/Scene.h"
#include "sketch/Sketch.h"

#include <QAccessible>
#include <QWidget>

#include <functional>
#include <map>

namespace tintwright::ui {

// Draws a scene of Live's window in a theme's colours, scaled to the widget,
// and tells which shape is under the pointer. Areas of elements the theme
// lacks are hatched; the areas of one element can be outlined. From the
// keyboard the arrow keys move from shape to shape, Tab from one named area
// (the mixer's sends, the browser) to the next, Enter picks as a double-click
// does and Space finds as a click does; a screen reader meets the shapes as
// the view's children, named as the pointer's line names them.
class SketchView : public QWidget {
    Q_OBJECT

public:
    explicit SketchView(QWidget* parent = nullptr);

    void setScene(const sketch::Scene& scene);
    const sketch::Scene& scene() const { return *m_scene; }
    void setColors(sketch::ElementColors colors);
    const sketch::ElementColors& colors() const { return m_colors; }
    // Outlines every area of `element`; empty for none.
    void setOutlined(const std::string& element);
    const std::string& outlined() const { return m_outlined; }

    // The element painting the point of the widget, or empty.
    std::string elementAt(const QPoint& point) const;
    // The index of the shape painting the point of the widget, or -1.
    int shapeAt(const QPoint& point) const;
    // How a shape of the scene is named, for the line below the sketch and for
    // screen readers; the element's name until another is set.
    void setDescriber(std::function<QString(const sketch::Shape&)> describe);
    QString describe(int shape) const;
    // The shape the keyboard is on, or -1.
    int focusedShape() const { return m_focusShape; }
    // The shape's rectangle in the widget.
    QRect shapeRect(int shape) const;
    // Where in the widget a point of the scene is drawn.
    QPointF toWidget(const sketch::Point& point) const;

    QSize sizeHint() const override;

signals:
    // The shape to name changed: the one the pointer or the keyboard moved
    // onto last; the keyboard's while the pointer is on none; -1 where neither
    // is on a shape (the keys gone to another control, the pointer away).
    void hovered(int shape);
    void clicked(const QString& element);
    void doubleClicked(const QString& element);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void focusShape(int shape);
    void report(int shape);
    QTransform sceneToWidget() const;
    // The element under a left-button click, or empty.
    QString clickedElement(const QMouseEvent& event) const;

    const sketch::Scene* m_scene;
    sketch::ElementColors m_colors;
    std::string m_outlined;
    int m_hovered = -1; // under the pointer
    int m_focusShape = -1;
    int m_reported = -1; // last told by hovered()
    std::function<QString(const sketch::Shape&)> m_describe;
};

} // namespace tintwright::ui
