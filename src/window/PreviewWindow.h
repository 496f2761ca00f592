#pragma once

#include "sketch/Sketch.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QTabBar;

namespace tintwright::ui {

class SketchView;

// The preview beside the main window: one sketch of Live's window in the
// theme's current colours, a switch between its views (Session, Arrangement,
// Preferences, an audio clip's editor, a MIDI clip's envelopes), a line naming the entry under the
// pointer, what the theme lacks and the pairs below their contrast minimum. It is a tool window
// of the main window: it stays above it, as inspectors and palettes do.
class PreviewWindow : public QWidget {
    Q_OBJECT

public:
    explicit PreviewWindow(QWidget* owner);

    void setThemeName(const QString& fileName);
    void setColors(sketch::ElementColors colors);
    void setOutlined(const std::string& element);
    // Opens at a size the screen holds, beside `owner` where the screen has
    // room for both (moving `owner` to the screen's edge where that makes the
    // room), else where it covers as little of `keepVisible` (in global
    // coordinates) as it can; never past the screen's edges.
    void placeBeside(QWidget& owner, const QRect& keepVisible);
    // Where the sketch of Live's window is drawn, in global coordinates.
    QRect sketchOnScreen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

signals:
    void elementClicked(const QString& element);
    void elementDoubleClicked(const QString& element);
    // The user asked for the window's menu (right-click, the Menu key, Shift+F10), to stand at `at`.
    void menuRequested(const QPoint& at);

private:
    // The line below the sketch: the entry, element and colour of the shape
    // under the pointer or the keyboard, and the part of Live's window it is in.
    void showHovered(int shape);
    QString describe(const sketch::Shape& shape) const;
    // What the theme lacks, which Live paints in its defaults.
    void showMissing();
    // The sketch in the colours as seen with the chosen colour vision, and the
    // pairs below their contrast minimum in those colours.
    void showColors();
    // Once the window system has framed the window, the frame, title bar
    // included, is brought inside the screen's free area.
    void keepFrameOnScreen();

    sketch::ElementColors m_colors; // the theme's current colours
    SketchView* m_sketch;
    QTabBar* m_view;
    QComboBox* m_simulate;
    QLabel* m_hoverInfo;
    QLabel* m_missing;
    QLabel* m_contrastHeading;
    QListWidget* m_contrast;
    int m_shown = -1; // the shape the line below the sketch names, or -1
    bool m_framePending = false; // placed, but not yet seen with its frame
};

} // namespace tintwright::ui
