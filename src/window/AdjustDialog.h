#pragma once

#include "color/Color.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tintwright::ui {

// Asks how to shift many colours at once, in OKLCH, and tells every change of
// its fields at once, so the window can show the result while it is open.
class AdjustDialog : public QDialog {
    Q_OBJECT

public:
    // `elements`: the theme's element names, which the patterns are matched against.
    AdjustDialog(QWidget* parent, std::vector<std::string> elements);

    color::Adjustment adjustment() const;
    // The element name patterns of the `only` field, split at blanks.
    std::vector<std::string> patterns() const;

signals:
    void changed();

private:
    // Beside the patterns: those that match no element of the theme; OK waits for none.
    void checkPatterns();

    std::vector<std::string> m_elements;
    QSpinBox* m_hue;
    QDoubleSpinBox* m_chroma;
    QDoubleSpinBox* m_lightness;
    QCheckBox* m_invert;
    QLineEdit* m_only;
    QLabel* m_problem;
    QPushButton* m_ok = nullptr;
};

} // namespace tintwright::ui
