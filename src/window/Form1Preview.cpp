#include "Form1.h"

#include "Form1Grid.h"
#include "Form1Texts.h"
#include "GraphicalButton.h"
#include "Placement.h"
#include "PreviewWindow.h"
#include "components/CellGrid.h"
#include "components/CommonDialog.h"
#include "theme/DisplayText.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QShortcut>

// Form1's side of the preview: it feeds the sketch the current colours and
// finds the row of an area the user points at.
namespace tintwright::ui {

using namespace grid;

void Form1::okpreview_Click()
{
    if (!m_document.ThemeLoaded) {
        return;
    }
    if (!m_preview) {
        m_preview = new PreviewWindow(this);
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
        showTitles();
        connect(m_preview, &PreviewWindow::elementClicked, this, &Form1::findEntryOf);
        connect(m_preview, &PreviewWindow::elementDoubleClicked, this, &Form1::pickForElement);
        connect(m_preview, &PreviewWindow::menuRequested, this, &Form1::showPreviewMenu);
        // Escape puts the preview away, as F5 does.
        auto* away = new QShortcut(QKeySequence(Qt::Key_Escape), m_preview);
        connect(away, &QShortcut::activated, this, &Form1::togglePreview);
        updatePreview();
        const QModelIndex current = Tabelle2->currentIndex();
        if (current.isValid()) {
            showCurrentCell(current.row() + 1, current.column() + 1);
        }
        m_preview->placeBeside(*this, QRect(Tabelle2->mapToGlobal(QPoint(0, 0)), Tabelle2->size()));
    }
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

void Form1::createCommandActions()
{
    const auto makeCommand = [this](const char* name, const char* caption, const QKeySequence& key,
                                    const std::function<void()>& command) {
        auto* action = new QAction(text(caption), this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        addAction(action);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    // A button's command runs as its click does, where the button is enabled.
    const auto clickOf = [](GraphicalButton* button) {
        return [button] {
            if (button->isEnabled()) {
                button->click();
            }
        };
    };
    actionSaveTheme =
        makeCommand("actionSaveTheme", texts::kSaveThemeCaption, QKeySequence(Qt::CTRL | Qt::Key_S), clickOf(oksave));
    actionQuickSave = makeCommand("actionQuickSave", texts::kQuickSaveCaption,
                                  QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S), clickOf(okquick));
    actionColorTable = makeCommand("actionColorTable", texts::kColorTableCaption, {}, clickOf(okcolor));
    actionHelpEnglish =
        makeCommand("actionHelpEnglish", texts::kEnglishHelpText, QKeySequence(Qt::Key_F1), clickOf(okhelpenglish));
    actionHelpGerman = makeCommand("actionHelpGerman", texts::kGermanHelpText, {}, clickOf(okhelpgerman));
    actionPreview =
        makeCommand("actionPreview", texts::kHidePreviewText, QKeySequence(Qt::Key_F5), [this] { togglePreview(); });
    actionExit = makeCommand("actionExit", texts::kExitCaption, {}, clickOf(okende));

    m_previewMenu = new QMenu(this);
    m_previewMenu->setObjectName(QStringLiteral("previewMenu"));
    m_previewMenu->setAccessibleName(text(texts::kPreviewMenuName));
    m_previewMenu->addActions({actionSaveTheme, actionQuickSave, actionColorTable});
    m_previewMenu->addSeparator();
    m_previewMenu->addActions({actionImportTheme, actionExportLive12, actionExportLive11});
    m_previewMenu->addSeparator();
    m_previewMenu->addActions({actionChangeAll, actionAdjust, actionRecolour, actionComplete, actionUndo, actionRedo});
    m_previewMenu->addSeparator();
    m_previewMenu->addActions({actionHelpEnglish, actionHelpGerman});
    m_previewMenu->addSeparator();
    m_previewMenu->addActions({actionPreview, actionExit});
}

void Form1::showPreviewMenu(const QPoint& at)
{
    updateEditActions();
    m_previewMenu->popup(at);
}

// F5: in the main window it opens the preview or brings it up; in the preview,
// which stays above the main window as a tool window does, it puts the preview
// away (as Escape does there), and the main window is in view. (The main
// window's keys work in the preview as they do in the main window.)
void Form1::togglePreview()
{
    if (m_preview && m_preview->isVisible() && m_preview->isActiveWindow()) {
        m_preview->hide();
        raise();
        activateWindow();
        return;
    }
    okpreview->animateClick();
}

sketch::ElementColors Form1::sketchColors() const
{
    std::vector<std::pair<std::string, theme::RgbTriple>> entries;
    for (int row = 1; row <= m_model.entryCount(); ++row) {
        entries.emplace_back(theme::displayText(m_model.entry(row).item), theme::SplitColor(currentColor(row)));
    }
    return sketch::elementColors(entries);
}

void Form1::updatePreview()
{
    if (m_preview) {
        m_preview->setColors(sketchColors());
    }
}

int Form1::rowOfElement(const QString& element) const
{
    return m_model.entryOf(element.toStdString());
}

// From the sketch to the grid: the element's row becomes current, in view and
// the grid's focus. The main window stays where it is, beneath the preview, so
// the next click of a double-click lands on the sketch again.
void Form1::findEntryOf(const QString& element)
{
    const int row = rowOfElement(element);
    if (row == 0) {
        return;
    }
    m_outlineFollowsGrid = true;
    Tabelle2->setCurrentCell(row, column(Column::NewColor));
    Tabelle2->setFocus();
}

// A double-click in the sketch picks as a click on the element's NEW COLOR
// cell does, with a colour dialog that names the entry it is for.
void Form1::pickForElement(const QString& element)
{
    const int row = rowOfElement(element);
    if (row == 0) {
        return;
    }
    // The keys go back where the pick started (the sketch), whether it was picked or cancelled.
    QPointer<QWidget> startedIn = QApplication::focusWidget();
    findEntryOf(element);
    dialog->setColor(currentColor(row)); // the dialog starts from the entry's own colour
    Tabelle2->clickCellAt(row, column(Column::NewColor));
    if (startedIn) {
        startedIn->activateWindow();
        startedIn->setFocus(Qt::OtherFocusReason);
    }
}

void Form1::keepPreviewInView(QWidget& shown) const
{
    if (!m_preview || !m_preview->isVisible()) {
        return;
    }
    shown.adjustSize();
    const QSize framed = shown.size().grownBy(frameOf(shown, *this));
    const QRect main = frameGeometry();
    const QPoint overMain(main.center().x() - framed.width() / 2, main.center().y() - framed.height() / 2);
    // Beside the preview where the screen has room; where the preview fills it, off the sketch as far as it can.
    const QRect area = screen()->availableGeometry();
    QPoint at = leastCovering(framed, area, m_preview->frameGeometry(), overMain);
    if (overlap(QRect(at, framed), m_preview->frameGeometry()) > 0) {
        at = leastCovering(framed, area, m_preview->sketchOnScreen(), overMain);
    }
    shown.move(at);
    m_preview->raise();
}

QString Form1::previewName() const
{
    return m_model.savedPath().empty() ? QString::fromStdString(m_document.ThemeTitle)
                                       : QFileInfo(m_model.savedPath()).fileName();
}

} // namespace tintwright::ui
