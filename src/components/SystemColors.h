#pragma once

#include "theme/ColorValue.h"

#include <QColor>

namespace tintwright::ui {

// The colour a colour value shows: an RGB value as it is, a system colour
// (0x80000000 + n) as the desktop's usual shade of it.
QColor toQColor(theme::ColorValue color);

// The colour value of an RGB colour, red in the low byte.
theme::ColorValue toColorValue(const QColor& color);

} // namespace tintwright::ui
