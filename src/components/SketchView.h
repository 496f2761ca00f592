#pragma once

#include "sketch/Scene.h"
#include "sketch/Sketch.h"

#include <QWidget>

namespace tintwright::ui {

// Draws a scene of Live's window in a theme's colours, scaled to the widget,
// and tells which element is under the pointer. Areas of elements the theme
// lacks are hatched; the areas of one element can be outlined.
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
    // Where in the widget a point of the scene is drawn.
    QPointF toWidget(const sketch::Point& point) const;

    QSize sizeHint() const override;

signals:
    // The pointer moved onto another element's area (empty: onto none).
    void hovered(const QString& element);
    void clicked(const QString& element);
    void doubleClicked(const QString& element);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QTransform sceneToWidget() const;
    // The element under a left-button click, or empty.
    QString clickedElement(const QMouseEvent& event) const;

    const sketch::Scene* m_scene;
    sketch::ElementColors m_colors;
    std::string m_outlined;
    QString m_hovered;
};

} // namespace tintwright::ui
