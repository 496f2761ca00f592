#include "PathLabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace tintwright::ui {

namespace {

constexpr qreal kSmallest = 0.8; // of the label's own font
constexpr qreal kStep = 0.05;

} // namespace

void PathLabel::setPath(const QString& path)
{
    setText(path);
    setToolTip(path);
}

QFont PathLabel::shownFont() const
{
    const int width = contentsRect().width();
    QFont shown = font();
    for (qreal scale = 1; scale >= kSmallest - kStep / 2; scale -= kStep) {
        shown.setPointSizeF(font().pointSizeF() * scale);
        if (QFontMetrics(shown).horizontalAdvance(text()) <= width) {
            return shown;
        }
    }
    return shown;
}

QString PathLabel::shownText() const
{
    return QFontMetrics(shownFont()).elidedText(text(), Qt::ElideLeft, contentsRect().width());
}

void PathLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(shownFont());
    painter.drawText(contentsRect(), static_cast<int>(alignment()), shownText());
}

} // namespace tintwright::ui
