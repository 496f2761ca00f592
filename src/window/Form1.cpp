#include "Form1.h"

#include "FocusReturn.h"
#include "Form1Grid.h"
#include "Form1Texts.h"
#include "GraphicalButton.h"
#include "PathLabel.h"
#include "PreviewWindow.h"
#include "ThemeTable.h"
#include "components/CellGrid.h"
#include "components/CommonDialog.h"
#include "components/Desktop.h"
#include "sketch/ElementTable.h"
#include "theme/DisplayText.h"
#include "theme/ThemeError.h"
#include "theme/ThemeReader.h"
#include "theme/ThemeWriter.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

#include <exception>

namespace tintwright::ui {

using namespace grid;

namespace {

using theme::ColorValue;

constexpr int kCentreCentre = 4;

// Paths leave Qt as std::filesystem::path and come back through Qt's own
// conversions, so no character is lost to a local 8-bit encoding.
std::filesystem::path toPath(const QString& path)
{
    return QFileInfo(path).filesystemFilePath();
}

QString fromPath(const std::filesystem::path& path)
{
    return QFileInfo(path).filePath();
}

// A reason may quote a theme line; its control characters are shown as \xHH.
QString sentence(QString reason)
{
    for (qsizetype i = reason.size() - 1; i >= 0; --i) {
        const char16_t c = reason[i].unicode();
        if (c < 0x20 && c != u'\n') {
            reason.replace(i, 1, QStringLiteral("\\x%1").arg(static_cast<int>(c), 2, 16, QLatin1Char('0')));
        }
    }
    if (!reason.isEmpty()) {
        reason[0] = reason[0].toUpper();
    }
    return reason;
}

} // namespace

Form1::Form1(Desktop& desktop, QWidget* parent)
    : QWidget(parent)
    , m_desktop(desktop)
    , m_document(m_model.document())
{
    createControls();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    m_model.startUp();

    const int widths[kGridCols] = {500, 3600, 600, 600, 600, 1300, 1300, 400};
    for (int col = 0; col < kGridCols; ++col) {
        Tabelle2->setColWidth(col, widths[col]);
    }
    Tabelle2->setScrollTrack(true);
    Tabelle2->setColAlignment(-1, kCentreCentre);
}

void Form1::runCommand(const char* failureHeadline, const std::filesystem::path& path,
                       const std::function<void()>& body)
{
    const FocusReturn focus(*this);
    try {
        body();
    } catch (const DialogCancelled&) {
    } catch (const theme::ThemeError& error) { // with its line where it has one
        reportFailure(failureHeadline, path, QString::fromStdString(error.message()));
    } catch (const std::exception& error) {
        reportFailure(failureHeadline, path, QString::fromStdString(error.what()));
    }
}

void Form1::reportFailure(const char* headline, const std::filesystem::path& path, const QString& reason)
{
    QString message = text(headline);
    if (!path.empty()) {
        message += QStringLiteral("\n\n") + fromPath(path);
    }
    message += QStringLiteral("\n\n") + sentence(reason);
    m_desktop.showMessage(this, {message, text(texts::kErrorTitle), MessageIcon::Exclamation, MessageButtons::Ok});
}

void Form1::showWrongFormat()
{
    m_desktop.showMessage(
        this, {text(texts::kWrongFormatText), text(texts::kErrorTitle), MessageIcon::Exclamation, MessageButtons::Ok});
}

void Form1::okopendatei_Click()
{
    runCommand(texts::kOpenFailed, m_document.DialogPath, [this] {
        m_model.setDialogPath({});
        m_model.setHasMyPrefix(false);
        dialog->setDialogTitle(text(texts::kOpenDialogTitle));
        dialog->setFilter(text(texts::kThemeFilter));
        dialog->setFlags(CommonDialog::kOverwritePrompt);
        if (!dialog->ShowOpen()) {
            return;
        }
        readChosenTheme();
    });
}

void Form1::openThemeFile(const QString& path)
{
    if (m_document.ThemeLoaded) {
        return; // a theme is read once per run
    }
    runCommand(texts::kOpenFailed, m_document.DialogPath, [this, &path] {
        m_model.setDialogPath({});
        m_model.setHasMyPrefix(false);
        dialog->setFileName(QFileInfo(path).absoluteFilePath());
        readChosenTheme();
    });
}

// A theme is read completely and checked before anything is shown, so a theme
// that fails to load leaves the document and the grid as they were at start.
void Form1::readChosenTheme()
{
    m_model.setDialogPath(toPath(dialog->fileName()));
    if (m_document.DialogPath.empty()) {
        return;
    }
    if (dialog->fileTitle().startsWith(text(texts::kSaveNamePrefix))) {
        m_model.setHasMyPrefix(true);
    }

    const std::optional<theme::ThemeContent> content = theme::readThemeFile(m_document.DialogPath);
    if (!content) {
        showWrongFormat();
        offerImport(dialog->fileName());
        return;
    }
    // A file with a theme's header but no colour in it would leave nothing to edit
    // and OpenTheme disabled: it is refused, and another can be chosen.
    if (content->entries.empty()) {
        reportFailure(texts::kOpenFailed, m_document.DialogPath, text(texts::kNoEntries));
        return;
    }
    showReadTheme(*content, dialog->fileTitle());
}

// A theme read completely goes into the model and the grid; OpenTheme is done,
// and "my" and its title are proposed as the name to save it under.
void Form1::showReadTheme(const theme::ThemeContent& content, const QString& title)
{
    Label2->setPath(dialog->fileName());
    m_model.open(content, title.toStdString());
    m_outlineFollowsGrid = false;
    m_table->refresh();
    okopendatei->setEnabled(false);
    oksave->setEnabled(true);
    okpreview->setEnabled(true);
    okedit->setEnabled(true);
    updateEditActions();
    Tabelle2->setFocus(); // not to the next button, which would take Space and Enter
    updateImportAction();
    if (!m_document.HasMyPrefix) {
        dialog->setFileName(text(texts::kSaveNamePrefix) + QString::fromStdString(m_document.ThemeTitle));
    }
    setUnsaved(false);
}

void Form1::oksave_Click(int /*Index*/)
{
    runCommand(texts::kSaveFailed, m_document.DialogPath, [this] {
        m_model.setDialogPath({});
        dialog->setDialogTitle(text(texts::kSaveDialogTitle));
        dialog->setFilter(text(texts::kThemeFilter));
        dialog->setFlags(CommonDialog::kOverwritePrompt);
        dialog->setDefaultExt(text(texts::kThemeExtension));
        if (!dialog->ShowSave()) {
            return;
        }
        m_model.setDialogPath(toPath(dialog->fileName()));
        if (m_document.DialogPath.empty()) {
            return;
        }
        m_model.saveAs(m_document.DialogPath);
        okquick->setEnabled(true);
        Label2->setPath(dialog->fileName());
        setUnsaved(false);
        updateEditActions();
    });
}

void Form1::okquick_Click()
{
    runCommand(texts::kSaveFailed, m_model.savedPath(), [this] {
        m_model.saveAgain();
        setUnsaved(false);
    });
}

void Form1::Tabelle2_Click()
{
    if (!m_document.ThemeLoaded) {
        return;
    }
    runCommand(texts::kColorFailed, {}, [this] {
        const int col = Tabelle2->colSel();
        const int row = Tabelle2->rowSel();
        if (col == column(Column::OldColor)) {
            revertToOldColor(row);
            edited(stepOnEntry(texts::kStepRevert, row));
        } else if (col == column(Column::NewColor) && pickNewColor(row)) { // a cancelled dialog ends the command here
            edited(stepOnEntry(texts::kStepPick, row));
        }
    });
}

// The entry gets back the colour its swatch shows, the colour read from the
// file, and counts as changed: the next save writes it in the writer's form.
void Form1::revertToOldColor(int row)
{
    m_model.revert(row);
}

bool Form1::pickNewColor(int row)
{
    dialog->setCancelError(true);
    dialog->setFlags(CommonDialog::kRgbInit);
    dialog->setColorTitle(stepOnEntry(texts::kColorForTitle, row));
    if (!showColorDialog()) {
        return false;
    }
    m_model.pick(row, dialog->color());
    return true;
}

void Form1::okcolor_Click()
{
    runCommand(texts::kColorFailed, {}, [this] {
        dialog->setColorTitle(text(texts::kColorTableTitle));
        showColorDialog();
    });
}

// Every colour dialog is titled with what it is for; the title goes with it, cancelled or not.
bool Form1::showColorDialog()
{
    try {
        const bool chosen = dialog->ShowColor();
        dialog->setColorTitle(QString());
        return chosen;
    } catch (...) {
        dialog->setColorTitle(QString());
        throw;
    }
}

// Exit asks every time, with the same words; closing after it asks nothing more.
void Form1::okende_Click()
{
    if (confirmExit()) {
        m_exitConfirmed = true;
        close();
    }
}

bool Form1::confirmExit()
{
    return m_desktop.showMessage(
               this, {text(texts::kExitText), text(texts::kExitTitle), MessageIcon::Question, MessageButtons::OkCancel})
        == MessageAnswer::Ok;
}

// Closed through its frame (or Alt+F4) the window asks only where something is
// unsaved, offering to save it; Save is the default, so Enter loses nothing.
void Form1::closeEvent(QCloseEvent* event)
{
    if (!m_exitConfirmed && m_unsaved) {
        const QString name = previewName();
        const MessageAnswer answer =
            m_desktop.showMessage(this,
                                  {text(texts::kCloseUnsaved).arg(name), text(texts::kCloseUnsavedTitle),
                                   MessageIcon::Question, MessageButtons::SaveDiscardCancel});
        if (answer == MessageAnswer::Save) {
            okquick->isEnabled() ? okquick_Click() : oksave_Click(1);
        }
        if (answer == MessageAnswer::Cancel || (answer == MessageAnswer::Save && m_unsaved)) {
            event->ignore();
            return;
        }
    }
    if (m_preview) {
        m_preview->close();
    }
    event->accept();
}

void Form1::setUnsaved(bool unsaved)
{
    m_unsaved = unsaved;
    showTitles();
}

void Form1::showTitles()
{
    if (!m_document.ThemeLoaded) {
        setWindowTitle(text(texts::kWindowTitle));
        return;
    }
    setWindowTitle(text(texts::kWindowTitleWithTheme).arg(previewName()));
    setWindowModified(m_unsaved);
    if (m_preview) {
        m_preview->setThemeName(previewName());
        m_preview->setWindowModified(m_unsaved);
    }
}

QString Form1::stepOnEntry(const char* step, int row) const
{
    return text(step).arg(row).arg(QString::fromStdString(theme::displayText(m_model.entry(row).item)));
}

void Form1::okhelpgerman_Click()
{
    openHelp(texts::kGermanHelpFile);
}

void Form1::okhelpenglish_Click()
{
    openHelp(texts::kEnglishHelpFile);
}

void Form1::openHelp(const char* fileName)
{
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + text(fileName);
    if (!m_desktop.openDocument(path)) {
        reportFailure(texts::kHelpFailed, toPath(QFileInfo(path).absoluteFilePath()),
                      text(QFileInfo(path).isFile() ? texts::kHelpNoViewer : texts::kHelpMissing));
    }
}

} // namespace tintwright::ui
