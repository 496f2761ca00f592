#include "Form1.h"

#include "Form1Texts.h"
#include "GraphicalButton.h"
#include "ThemeTable.h"
#include "components/CellGrid.h"
#include "components/CommonDialog.h"
#include "components/Desktop.h"
#include "make/Complete.h"
#include "make/Export.h"
#include "make/Import.h"
#include "theme/LaterThemeWriter.h"
#include "theme/ThemeError.h"
#include "theme/ThemeReader.h"
#include "theme/ThemeWriter.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>

#include <exception>

// Themes of Live 11 and 12 come in as whole Live 10.1 themes, shown as if
// they had been opened: what Save Theme then writes is what
// `tintwright-cli import` writes. A Live 10.0 theme, or one lacking
// elements, is made whole as `tintwright-cli complete` makes it.
namespace tintwright::ui {

void Form1::createImportAction()
{
    actionImportTheme = new QAction(text(texts::kImportText), this);
    actionImportTheme->setObjectName(QStringLiteral("actionImportTheme"));
    actionImportTheme->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    actionImportTheme->setShortcutContext(Qt::WindowShortcut);
    addAction(actionImportTheme);
    // Where OpenTheme is: its own menu (right-click, the Menu key, Shift+F10) offers it.
    okopendatei->addAction(actionImportTheme);
    okopendatei->setContextMenuPolicy(Qt::ActionsContextMenu);
    Tabelle2->addAction(actionImportTheme);
    connect(actionImportTheme, &QAction::triggered, this, &Form1::importTheme);
    // The way back: in the grid's menu, once a theme is read.
    actionExportLive12 = new QAction(text(texts::kExportLive12Text), this);
    actionExportLive12->setObjectName(QStringLiteral("actionExportLive12"));
    actionExportLive11 = new QAction(text(texts::kExportLive11Text), this);
    actionExportLive11->setObjectName(QStringLiteral("actionExportLive11"));
    for (QAction* action : {actionExportLive12, actionExportLive11}) {
        addAction(action);
        Tabelle2->addAction(action);
        connect(action, &QAction::triggered, this, [this, action] { exportForLive(action == actionExportLive12); });
    }
    updateImportAction();
}

void Form1::updateImportAction()
{
    actionImportTheme->setEnabled(!m_document.ThemeLoaded); // a theme is read once per run
    actionExportLive12->setEnabled(m_document.ThemeLoaded);
    actionExportLive11->setEnabled(m_document.ThemeLoaded);
}

void Form1::exportForLive(bool live12)
{
    if (!m_document.ThemeLoaded) {
        return;
    }
    const QString later = QStringLiteral("Live %1").arg(live12 ? 12 : 11);
    std::filesystem::path target;
    runCommand(texts::kExportFailed, target, [this, live12, &later, &target] {
        // The theme's name with .ask, in the folder it was read from or last saved to.
        const std::filesystem::path& known =
            m_document.SavedPath.empty() ? m_document.DialogPath : m_document.SavedPath;
        const QFileInfo theme =
            known.empty() ? QFileInfo(QString::fromStdString(m_document.ThemeTitle)) : QFileInfo(known);
        const QString name = theme.completeBaseName() + QLatin1Char('.') + text(texts::kThemeExtension);
        FileRequest request;
        request.title = text(texts::kExportDialogTitle).arg(later);
        request.nameFilters = {text(texts::kExportFilter).arg(later).section(QLatin1Char('|'), 0, 0)};
        request.proposedPath = known.empty() ? name : theme.dir().filePath(name);
        request.confirmOverwrite = true;
        request.defaultSuffix = text(texts::kThemeExtension);
        const std::optional<QString> chosen = m_desktop.chooseFileToSave(this, request);
        if (!chosen || chosen->isEmpty()) {
            return;
        }
        target = QFileInfo(*chosen).filesystemFilePath();
        // The bytes Save Theme would write, read as the CLI reads a saved theme.
        const std::optional<theme::ThemeContent> content = theme::readThemeText(m_model.savedBytes());
        if (!content) {
            throw theme::ThemeError(theme::ErrorNumber::TypeMismatch, theme::kWrongFormatMessage);
        }
        const make::LaterLive live = live12 ? make::LaterLive::Live12 : make::LaterLive::Live11;
        const make::Exported exported = make::exportTheme(*content, live);
        theme::replaceFile(
            target, theme::writeLaterTheme(exported.theme, std::string(make::laterHeader(live).schemaChangeCount)));
    });
}

void Form1::importTheme()
{
    if (m_document.ThemeLoaded) {
        return;
    }
    runCommand(texts::kImportFailed, m_document.DialogPath, [this] {
        m_model.setDialogPath({});
        m_model.setHasMyPrefix(false);
        dialog->setDialogTitle(text(texts::kImportDialogTitle));
        dialog->setFilter(text(texts::kImportFilter));
        dialog->setFlags(CommonDialog::kOverwritePrompt);
        if (!dialog->ShowOpen()) {
            return;
        }
        importFile(dialog->fileName());
    });
}

void Form1::importFile(const QString& path)
{
    runCommand(texts::kImportFailed, m_document.DialogPath, [this, &path] {
        m_model.setDialogPath(QFileInfo(path).filesystemFilePath());
        if (m_document.DialogPath.empty()) {
            return;
        }
        const make::Imported imported =
            make::importLaterTheme(theme::readLaterTheme(theme::readTextFile(m_document.DialogPath)));
        const theme::ThemeContent content = make::asReadTheme(imported.records);
        // Saved under "my" and its name as a Live 10 theme: "Dracula.ask" becomes "myDracula.ask".
        const QFileInfo file(path);
        m_model.setHasMyPrefix(file.completeBaseName().startsWith(text(texts::kSaveNamePrefix)));
        showReadTheme(content, file.completeBaseName() + QLatin1Char('.') + text(texts::kThemeExtension));
        setUnsaved(true); // what was made of it is in no Live 10 theme yet
    });
}

// Only a file that reads as a theme of Live 11 or 12 is offered; any other stays refused as it was.
void Form1::offerImport(const QString& path)
{
    try {
        theme::readLaterTheme(theme::readTextFile(QFileInfo(path).filesystemFilePath()));
    } catch (const std::exception&) {
        return;
    }
    if (m_desktop.showMessage(
            this,
            {text(texts::kImportOffer), text(texts::kImportOfferTitle), MessageIcon::Question, MessageButtons::YesNo})
        == MessageAnswer::Yes) {
        importFile(path);
    }
}

// The elements made are told and their rows marked; Undo takes them back as one step.
void Form1::completeTheme()
{
    if (!m_document.ThemeLoaded) {
        return;
    }
    runCommand(texts::kCompleteFailed, {}, [this] {
        const std::vector<std::string> records = m_model.records();
        const make::Lacking lacks = make::lacking(records);
        if (lacks.elements + lacks.factors == 0) {
            return;
        }
        // Made from the colours the entries have now, picked ones included; the records as they stand.
        const make::Completion completion = make::completeColors(sketchColors());
        m_model.extend(make::asReadTheme(make::completedRecords(records, completion)));
        int firstMade = 0;
        for (const make::MadeElement& made : completion.made) {
            m_table->markMade(made.name);
            const int row = m_model.entryOf(made.name);
            firstMade = firstMade == 0 || (row != 0 && row < firstMade) ? row : firstMade;
        }
        const int elements = static_cast<int>(completion.made.size());
        const int factors = lacks.factors;
        const QString madeText = text(elements == 1 ? texts::kElementsMadeOne : texts::kElementsMade).arg(elements);
        const QString addedText = text(factors == 1 ? texts::kFactorsAddedOne : texts::kFactorsAdded).arg(factors);
        edited(text(texts::kStepComplete).arg(madeText, addedText));

        QString told = text(texts::kCompleteDone).arg(madeText, addedText);
        if (firstMade > 0) {
            told += QStringLiteral("\n\n") + text(texts::kCompleteWhereRows).arg(firstMade);
        }
        if (factors > 0) {
            told += QStringLiteral("\n\n") + text(texts::kCompleteWhereFactors);
        }
        m_desktop.showMessage(this, {told, text(texts::kCompleteTitle), MessageIcon::Information, MessageButtons::Ok});
    });
}

} // namespace tintwright::ui
