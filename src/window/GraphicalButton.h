#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>

namespace tintwright::ui {

// A raised button painted in its own background colour, with an optional
// picture centred under its caption. While disabled it lets the pointer through
// to whatever lies beneath it, so a label there can still explain it.
class GraphicalButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit GraphicalButton(QWidget* parent = nullptr);

    void setBackColor(const QColor& color);
    QColor backColor() const { return m_backColor; }
    void setPicture(const QPixmap& picture);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QColor m_backColor;
    QPixmap m_picture;
};

} // namespace tintwright::ui
