#include "QtDesktop.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
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
    const QFileDialog::Options options =
        request.confirmOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    return chosen(QFileDialog::getSaveFileName(parent, request.title, request.proposedPath,
                                               request.nameFilters.join(QStringLiteral(";;")), nullptr, options));
}

std::optional<QColor> QtDesktop::chooseColor(QWidget* parent, const QColor& initial)
{
    // Qt's own dialog keeps the custom colours from one call to the next.
    const QColor color = QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
    return color.isValid() ? std::optional<QColor>(color) : std::nullopt;
}

MessageAnswer QtDesktop::showMessage(QWidget* parent, const MessageRequest& request)
{
    QMessageBox box(request.icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning, request.title,
                    request.text, QMessageBox::NoButton, parent);
    if (request.buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

bool QtDesktop::openDocument(const QString& path)
{
    // A missing document is not handed on: the viewer would only complain about it.
    return QFileInfo(path).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace tintwright::ui
