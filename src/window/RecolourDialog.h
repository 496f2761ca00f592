#pragma once

#include "make/Generate.h"

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tintwright::ui {

class Desktop;

// Asks for the base colours a whole theme is made from (background, foreground,
// accent), each as #rrggbb or from a colour dialog, and tells every complete
// change at once, so the window can show the result while it is open.
class RecolourDialog : public QDialog {
    Q_OBJECT

public:
    RecolourDialog(QWidget* parent, Desktop& desktop, const make::BaseColors& start);

    // The three colours, or nothing while one of them is not a whole #rrggbb.
    std::optional<make::BaseColors> baseColors() const;

signals:
    void changed();

private:
    void pickColor(int field);
    void fieldEdited();
    void updateSwatches();

    Desktop& m_desktop;
    std::array<QLineEdit*, 3> m_fields {};
    std::array<QPushButton*, 3> m_buttons {};
    QPushButton* m_ok = nullptr;
    QLabel* m_problem = nullptr; // which field holds no whole colour
};

} // namespace tintwright::ui
