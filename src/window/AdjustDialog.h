#pragma once

#include "color/Color.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace tintwright::ui {

// Asks how to shift many colours at once, in OKLCH, and tells every change of
// its fields at once, so the window can show the result while it is open.
class AdjustDialog : public QDialog {
    Q_OBJECT

public:
    explicit AdjustDialog(QWidget* parent);

    color::Adjustment adjustment() const;
    // The element name patterns of the `only` field, split at blanks.
    std::vector<std::string> patterns() const;

signals:
    void changed();

private:
    QSpinBox* m_hue;
    QDoubleSpinBox* m_chroma;
    QDoubleSpinBox* m_lightness;
    QCheckBox* m_invert;
    QLineEdit* m_only;
};

} // namespace tintwright::ui
