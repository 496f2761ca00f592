#pragma once

#include "Desktop.h"

namespace tintwright::ui {

// The real desktop: Qt's file, colour and message dialogs and desktop services.
class QtDesktop final : public Desktop {
public:
    std::optional<QString> chooseFileToOpen(QWidget* parent, const FileRequest& request) override;
    std::optional<QString> chooseFileToSave(QWidget* parent, const FileRequest& request) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial, const QString& title) override;
    MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) override;
    bool openDocument(const QString& path) override;
    bool runDialog(QDialog& dialog) override;
};

} // namespace tintwright::ui
