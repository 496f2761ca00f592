#pragma once

#include <QFont>
#include <QLabel>

namespace tintwright::ui {

// A label for a file path. A path a little too long for the label is drawn
// a little smaller, down to four fifths of the label's font, so that it shows
// whole; a longer one loses its start, marked by an ellipsis, so that the file
// name stays in view. The whole path is the label's text, tooltip and
// accessible name.
class PathLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    void setPath(const QString& path);
    // What the label draws, and in which font.
    QString shownText() const;
    QFont shownFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tintwright::ui
