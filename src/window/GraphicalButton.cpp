#include "GraphicalButton.h"

#include <QKeyEvent>
#include <QPainter>

namespace tintwright::ui {

GraphicalButton::GraphicalButton(QWidget* parent)
    : QAbstractButton(parent)
    , m_backColor(Qt::lightGray)
{
    setFocusPolicy(Qt::StrongFocus);
}

void GraphicalButton::setBackColor(const QColor& color)
{
    m_backColor = color;
    update();
}

void GraphicalButton::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

QSize GraphicalButton::sizeHint() const
{
    return QSize(105, 49);
}

void GraphicalButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect outer = rect();
    const bool sunken = isDown();
    painter.fillRect(outer, m_backColor);

    const QRect inner = outer.adjusted(2, 2, -2, -2);
    const QPoint shift = sunken ? QPoint(1, 1) : QPoint(0, 0);
    if (!m_picture.isNull()) {
        painter.save();
        painter.setClipRect(inner);
        QRect pictureRect(QPoint(0, 0), m_picture.deviceIndependentSize().toSize());
        pictureRect.moveCenter(inner.center() + shift);
        painter.drawPixmap(pictureRect, m_picture);
        painter.restore();
    }
    if (!text().isEmpty()) {
        painter.setFont(font());
        const QRect textRect = inner.translated(shift);
        if (isEnabled()) {
            painter.setPen(Qt::black);
        } else {
            painter.setPen(Qt::white);
            painter.drawText(textRect.translated(1, 1), Qt::AlignCenter, text());
            painter.setPen(QColor(128, 128, 128));
        }
        painter.drawText(textRect, Qt::AlignCenter, text());
    }

    // A classic bevel: light above and left, dark below and right; reversed while pressed.
    const QColor light = sunken ? QColor(64, 64, 64) : Qt::white;
    const QColor shade = sunken ? Qt::white : QColor(64, 64, 64);
    const QColor softShade = m_backColor.darker(140);
    const QRect edge = outer.adjusted(0, 0, -1, -1);
    painter.setPen(light);
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(shade);
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
    if (!sunken) {
        painter.setPen(softShade);
        painter.drawLine(edge.bottomLeft() + QPoint(1, -1), edge.bottomRight() + QPoint(-1, -1));
        painter.drawLine(edge.topRight() + QPoint(-1, 1), edge.bottomRight() + QPoint(-1, -1));
    }

    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(outer.adjusted(4, 4, -5, -5));
    }
}

void GraphicalButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void GraphicalButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        setAttribute(Qt::WA_TransparentForMouseEvents, !isEnabled());
    }
    QAbstractButton::changeEvent(event);
}

} // namespace tintwright::ui
