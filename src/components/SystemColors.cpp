#include "SystemColors.h"

#include <QApplication>
#include <QPalette>

namespace tintwright::ui {

namespace {

// The classic desktop's shades of the system colours the window uses.
QColor systemColor(unsigned index)
{
    switch (index) {
    case 4: // menu background
        return QColor(240, 240, 240);
    case 8: // window text
        return QColor(0, 0, 0);
    case 22: // 3-D light
        return QColor(227, 227, 227);
    default:
        return QApplication::palette().color(QPalette::Window);
    }
}

} // namespace

QColor toQColor(theme::ColorValue color)
{
    if (theme::isSystemColor(color)) {
        return systemColor(color & ~theme::kSystemColorFlag);
    }
    const theme::RgbTriple rgb = theme::SplitColor(color);
    return QColor(rgb.R, rgb.G, rgb.B);
}

theme::ColorValue toColorValue(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return theme::composeColor(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace tintwright::ui
