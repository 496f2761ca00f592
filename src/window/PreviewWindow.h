#pragma once

#include "sketch/Sketch.h"

#include <QWidget>

class QLabel;
class QTabBar;

namespace tintwright::ui {

class SketchView;

// The preview beside the main window: one sketch of Live's window in the
// theme's current colours, a switch between its Session and Arrangement
// views, and a line naming the entry under the pointer.
class PreviewWindow : public QWidget {
    Q_OBJECT

public:
    explicit PreviewWindow(QWidget* owner);

    void setThemeName(const QString& fileName);
    void setColors(sketch::ElementColors colors);
    void setOutlined(const std::string& element);

signals:
    void elementClicked(const QString& element);
    void elementDoubleClicked(const QString& element);

private:
    void showHovered(const QString& element);

    SketchView* m_sketch;
    QTabBar* m_view;
    QLabel* m_hoverInfo;
};

} // namespace tintwright::ui
