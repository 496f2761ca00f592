#include "QtDesktop.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace tintwright::ui {

namespace {

std::optional<QString> chosen(const QString& path)
{
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

} // namespace

std::optional<QString> QtDesktop::chooseFileToOpen(QWidget* parent, const FileRequest& request)
{
    return chosen(QFileDialog::getOpenFileName(parent, request.title, request.proposedPath,
                                               request.nameFilters.join(QStringLiteral(";;"))));
}

std::optional<QString> QtDesktop::chooseFileToSave(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent, request.title, request.proposedPath, request.nameFilters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    // The dialog adds the suffix itself, so that its replace question names the final file.
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return chosen(dialog.selectedFiles().constFirst());
}

std::optional<QColor> QtDesktop::chooseColor(QWidget* parent, const QColor& initial, const QString& title)
{
    // Qt's own dialog keeps the custom colours from one call to the next.
    QColorDialog dialog(initial, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (!title.isEmpty()) {
        dialog.setWindowTitle(title);
    }
    // The keys go to the #rrggbb field, its text selected: typing a colour and Enter picks it.
    QTimer::singleShot(0, &dialog, [&dialog] {
        for (QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
            if (field->text().startsWith(QLatin1Char('#'))) {
                field->setFocus(Qt::OtherFocusReason);
                field->selectAll();
            }
        }
    });
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid()) {
        return std::nullopt;
    }
    return dialog.selectedColor();
}

MessageAnswer QtDesktop::showMessage(QWidget* parent, const MessageRequest& request)
{
    const QMessageBox::Icon icon = request.icon == MessageIcon::Question ? QMessageBox::Question
        : request.icon == MessageIcon::Information                       ? QMessageBox::Information
                                                                         : QMessageBox::Warning;
    QMessageBox box(icon, request.title, request.text, QMessageBox::NoButton, parent);
    switch (request.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MessageButtons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Save:
        return MessageAnswer::Save;
    case QMessageBox::Discard:
        return MessageAnswer::Discard;
    default:
        return MessageAnswer::Cancel;
    }
}

bool QtDesktop::openDocument(const QString& path)
{
    // A missing document is not handed on: the viewer would only complain about it.
    if (!QFileInfo(path).isFile()) {
        return false;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // xdg-open starts even where nothing can show the document, and then fails
    // where nobody sees it; ask the desktop's own records first.
    const QString mime = QStringLiteral("xdg-mime");
    if (!QStandardPaths::findExecutable(mime).isEmpty()) {
        QProcess query;
        query.start(mime, {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("application/pdf")});
        if (query.waitForFinished(3000) && query.exitStatus() == QProcess::NormalExit
            && query.readAllStandardOutput().trimmed().isEmpty()) {
            return false;
        }
    }
#endif
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace tintwright::ui

namespace tintwright::ui {

bool QtDesktop::runDialog(QDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

} // namespace tintwright::ui
