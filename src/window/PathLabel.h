#pragma once

#include <QLabel>

namespace tintwright::ui {

// A label for a file path. A path too long for the label loses its start,
// marked by an ellipsis, so that the file name stays in view; the whole path
// is the label's text, tooltip and accessible name.
class PathLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    void setPath(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tintwright::ui
