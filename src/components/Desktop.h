#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

class QDialog;
class QWidget;

namespace tintwright::ui {

struct FileRequest {
    QString title;
    QStringList nameFilters; // "Files (*.ask)"
    QString proposedPath; // the name, or the full path, the dialog starts from
    bool confirmOverwrite = false;
    QString defaultSuffix; // added to a name saved without any extension, before the replace question
};

enum class MessageIcon { Exclamation, Question, Information };
// With OK and Cancel, OK is the default; with Yes and No, Yes; with Save,
// Discard and Cancel, Save. Escape answers Cancel, or No.
enum class MessageButtons { Ok, OkCancel, YesNo, SaveDiscardCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Save, Discard };

struct MessageRequest {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::Exclamation;
    MessageButtons buttons = MessageButtons::Ok;
};

// Everything the window hands to the desktop: its modal dialogs and message
// boxes, and opening a document in the desktop's viewer. The program uses the
// real desktop; tests script the answers.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QString> chooseFileToSave(QWidget* parent, const FileRequest& request) = 0;
    // The chosen colour, or nothing when the user cancels. Custom colours last
    // for the run. An empty title leaves the desktop's own.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial, const QString& title) = 0;
    virtual MessageAnswer showMessage(QWidget* parent, const MessageRequest& request) = 0;
    // Opens a local document with the desktop's viewer; false when that fails.
    virtual bool openDocument(const QString& path) = 0;
    // Shows one of the program's own modal dialogs; true when it was accepted.
    virtual bool runDialog(QDialog& dialog) = 0;
};

} // namespace tintwright::ui
