#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace tintwright::ui {

// The keys go back to where a command began when it began in another window
// than the main one (the preview): a dialog closing hands them to its owner,
// the main window, which the preview may hide.
class FocusReturn {
public:
    explicit FocusReturn(const QWidget& mainWindow)
        : m_mainWindow(mainWindow)
        , m_widget(QApplication::focusWidget())
    {
    }
    ~FocusReturn()
    {
        if (m_widget && m_widget->window() != &m_mainWindow && m_widget->isVisible()) {
            m_widget->activateWindow();
            m_widget->setFocus(Qt::OtherFocusReason);
        }
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    const QWidget& m_mainWindow;
    QPointer<QWidget> m_widget;
};

} // namespace tintwright::ui
