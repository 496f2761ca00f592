#include "CommonDialog.h"

#include "SystemColors.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace tintwright::ui {

namespace {

// "Files (*.ask)|*.ask|All (*.*)|*.*" as Qt's name filters.
QStringList nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString described = QStringLiteral("(%1)").arg(patterns);
        filters << (parts[i].contains(described) ? parts[i] : QStringLiteral("%1 %2").arg(parts[i], described));
    }
    return filters;
}

} // namespace

CommonDialog::CommonDialog(Desktop& desktop, QWidget* owner)
    : QObject(owner)
    , m_desktop(desktop)
    , m_owner(owner)
{
}

void CommonDialog::setFileName(const QString& fileName)
{
    m_fileName = fileName;
    if (!fileName.isEmpty() && QFileInfo(fileName).isAbsolute()) {
        m_lastFolder = QFileInfo(fileName).absolutePath();
    }
}

QString CommonDialog::fileTitle() const
{
    return QFileInfo(m_fileName).fileName();
}

FileRequest CommonDialog::fileRequest(bool forSaving) const
{
    FileRequest request;
    request.title = m_dialogTitle;
    request.nameFilters = nameFilters(m_filter);
    request.proposedPath = m_fileName;
    if (!m_fileName.isEmpty() && QFileInfo(m_fileName).isRelative() && !m_lastFolder.isEmpty()) {
        request.proposedPath = QDir(m_lastFolder).filePath(m_fileName);
    }
    request.confirmOverwrite = forSaving && (m_flags & kOverwritePrompt) != 0;
    request.defaultSuffix = forSaving ? m_defaultExt : QString();
    return request;
}

bool CommonDialog::cancelled() const
{
    if (m_cancelError) {
        throw DialogCancelled();
    }
    return false;
}

bool CommonDialog::chose(const std::optional<QString>& path)
{
    if (!path) {
        return cancelled();
    }
    m_fileName = *path;
    m_lastFolder = QFileInfo(*path).absolutePath();
    return true;
}

bool CommonDialog::ShowOpen()
{
    return chose(m_desktop.chooseFileToOpen(m_owner, fileRequest(false)));
}

bool CommonDialog::ShowSave()
{
    std::optional<QString> path = m_desktop.chooseFileToSave(m_owner, fileRequest(true));
    // A desktop dialog that ignores the default extension still saves a name Live lists.
    if (path && !m_defaultExt.isEmpty() && QFileInfo(*path).suffix().isEmpty()
        && !QFileInfo(*path).fileName().endsWith(QLatin1Char('.'))) {
        *path += QLatin1Char('.') + m_defaultExt;
    }
    return chose(path);
}

bool CommonDialog::ShowColor()
{
    const theme::ColorValue initial = (m_flags & kRgbInit) != 0 ? m_color : 0;
    const std::optional<QColor> color = m_desktop.chooseColor(m_owner, toQColor(initial), m_colorTitle);
    if (!color) {
        return cancelled();
    }
    m_color = toColorValue(*color);
    return true;
}

} // namespace tintwright::ui
