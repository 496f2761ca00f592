#pragma once

#include "Desktop.h"
#include "theme/ColorValue.h"

#include <QObject>
#include <QString>

#include <exception>

class QWidget;

namespace tintwright::ui {

// Thrown by a Show call that is cancelled while CancelError is set.
class DialogCancelled : public std::exception {
public:
    const char* what() const noexcept override { return "Cancel was selected."; }
};

// The window's one common dialog: the open, save and colour dialogs share its
// properties, so whatever one command sets is still set for the next.
class CommonDialog : public QObject {
    Q_OBJECT

public:
    // Flags before a file dialog: the save dialog asks before it replaces a file.
    static constexpr int kOverwritePrompt = 2;
    // Flags before a colour dialog: it starts from Color.
    static constexpr int kRgbInit = 1;

    CommonDialog(Desktop& desktop, QWidget* owner);

    void setDialogTitle(const QString& title) { m_dialogTitle = title; }
    // The colour dialog's title; empty for the desktop's own.
    void setColorTitle(const QString& title) { m_colorTitle = title; }
    // Pairs of description and pattern joined by vertical bars: "Files (*.ask)|*.ask".
    void setFilter(const QString& filter) { m_filter = filter; }
    void setFlags(int flags) { m_flags = flags; }
    // The extension a saved name without any extension gets ("ask").
    void setDefaultExt(const QString& extension) { m_defaultExt = extension; }
    int flags() const { return m_flags; }
    void setCancelError(bool cancelError) { m_cancelError = cancelError; }
    bool cancelError() const { return m_cancelError; }

    // After a file dialog the full path chosen; before one, the name it proposes.
    // A full path set here counts as chosen: a later name without folder is
    // proposed in its folder.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName);
    // The chosen file's name with extension, without folder.
    QString fileTitle() const;
    theme::ColorValue color() const { return m_color; }
    // The colour a colour dialog started with kRgbInit starts from.
    void setColor(theme::ColorValue color) { m_color = color; }

    // Each shows its modal dialog and returns true once the user has chosen.
    // Cancel keeps every property and returns false, or throws DialogCancelled
    // while CancelError is set.
    bool ShowOpen();
    bool ShowSave();
    bool ShowColor();

private:
    FileRequest fileRequest(bool forSaving) const;
    bool chose(const std::optional<QString>& path);
    bool cancelled() const;

    Desktop& m_desktop;
    QWidget* m_owner;
    QString m_dialogTitle;
    QString m_colorTitle;
    QString m_filter;
    QString m_defaultExt;
    int m_flags = 0;
    bool m_cancelError = false;
    QString m_fileName;
    QString m_lastFolder; // where the last file dialog was left, for a proposed name without folder
    theme::ColorValue m_color = 0;
};

} // namespace tintwright::ui
