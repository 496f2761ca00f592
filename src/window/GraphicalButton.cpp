#include "GraphicalButton.h"

#include "DevicePixels.h"

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
    painter.save();
    device::usePixels(painter, *this);
    painter.fillRect(device::rect(*this, outer), m_backColor);
    painter.restore();

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

    // A classic bevel: light above and left, dark below and right; reversed
    // while pressed. Drawn on the screen's pixels, so that at any scale the
    // edges are the button's outermost pixels.
    device::usePixels(painter, *this);
    const QRect edge = device::rect(*this, rect());
    const int line = device::lineWidth(*this);
    const QColor light = sunken ? QColor(64, 64, 64) : Qt::white;
    const QColor shade = sunken ? Qt::white : QColor(64, 64, 64);
    painter.fillRect(QRect(edge.left(), edge.top(), edge.width(), line), light);
    painter.fillRect(QRect(edge.left(), edge.top(), line, edge.height()), light);
    painter.fillRect(QRect(edge.left(), edge.bottom() - line + 1, edge.width(), line), shade);
    painter.fillRect(QRect(edge.right() - line + 1, edge.top(), line, edge.height()), shade);
    if (!sunken) {
        const QColor softShade = m_backColor.darker(140);
        const QRect within = edge.adjusted(line, line, -line, -line);
        painter.fillRect(QRect(within.left(), within.bottom() - line + 1, within.width(), line), softShade);
        painter.fillRect(QRect(within.right() - line + 1, within.top(), line, within.height()), softShade);
    }

    // The keyboard's mark: black dashes on white, which show on any picture.
    if (hasFocus()) {
        const QRect mark = edge.adjusted(3 * line, 3 * line, -3 * line - 1, -3 * line - 1);
        painter.setPen(QPen(Qt::white, line));
        painter.drawRect(mark);
        QPen dashes(Qt::black, line, Qt::CustomDashLine);
        dashes.setDashPattern({2, 2});
        painter.setPen(dashes);
        painter.drawRect(mark);
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
