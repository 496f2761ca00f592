#pragma once

#include "model/ThemeModel.h"
#include "theme/ThemeDocument.h"

#include "color/Color.h"
#include "sketch/Sketch.h"

#include <QMargins>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QScrollArea;

namespace tintwright::ui {

class CellGrid;
class CommonDialog;
class Desktop;
class GraphicalButton;
class PathLabel;
class PreviewWindow;
class ThemeTable;

// The one window: the colour grid of the opened theme, the command buttons,
// and the theme document behind them.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(Desktop& desktop, QWidget* parent = nullptr);
    ~Form1() override;

    const theme::ThemeDocument& document() const { return m_model.document(); }

    // Reads the theme at `path` as if it had been chosen in the open dialog:
    // the same checks and messages, and OpenTheme is disabled after it.
    void openThemeFile(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void Form_Load();
    void okopendatei_Click();
    void oksave_Click(int Index);
    void okquick_Click();
    void Tabelle2_Click();
    void okcolor_Click();
    void okende_Click();
    void okhelpgerman_Click();
    void okhelpenglish_Click();
    void okpreview_Click();

private:
    void createControls();
    void createClientArea();
    void createLabels();
    void createButtons();
    void createGrid();
    void connectControls(); // the keyboard's order and the buttons' and the grid's handlers
    void createEditActions();
    void paintShapes();
    void fitToScreen();
    void showCurrentCell(int row, int col);
    // The entries' current colours (the new colour where one was picked), by element.
    sketch::ElementColors sketchColors() const;
    void updatePreview();
    // The main window's commands as actions, with their keys: they work in the
    // preview too, whose menu (right-click, the Menu key, Shift+F10) lists them.
    void createCommandActions();
    void showPreviewMenu(const QPoint& at);
    void togglePreview();
    // The grid row of the first entry of `element`, or 0.
    int rowOfElement(const QString& element) const;
    void findEntryOf(const QString& element);
    void pickForElement(const QString& element);
    // Places a dialog that shows its result live where it leaves the sketch in view.
    void keepPreviewInView(QWidget& shown) const;
    // The theme's file name as the preview's title shows it: the last saved, else the opened.
    QString previewName() const;

    // The colour the entry is saved in: its new colour where it was changed, else the file's.
    theme::ColorValue currentColor(int row) const;
    int currentRow() const; // the grid's current entry row, or 0
    int entriesOfColor(theme::ColorValue color) const;
    void updateEditActions();
    void showEditMenu(const QPoint& at);
    QPoint menuPointAtCurrentCell() const;
    void changeAllOfColor();
    void adjustColors();
    void recolourFromBaseColors();
    template<typename Dialog>
    void runEditDialog(Dialog& shown, const std::function<void()>& edit, bool showAtOnce, const QString& step);

    // An edit of the model is done, named `step` for Undo: it is unsaved, and
    // the grid, the preview and the commands follow it.
    void edited(const QString& step);
    // The grid, the preview and the commands follow the model.
    void refreshAfterEdit();
    void stepThroughHistory(bool back);
    // Whether anything is changed since the theme was read or last saved:
    // both windows' titles mark it, and closing the window asks to save it.
    void setUnsaved(bool unsaved);
    void showTitles();
    QString stepOnEntry(const char* step, int row) const;
    void readChosenTheme();
    void showReadTheme(const theme::ThemeContent& content, const QString& title);
    // Import a Live 11 or 12 theme…: where OpenTheme is, and in the grid's menu.
    void createImportAction();
    void updateImportAction();
    void importTheme();
    void importFile(const QString& path);
    // Reading as a Live 11 or 12 theme a file that OpenTheme refused; Yes imports it.
    void offerImport(const QString& path);
    // Export for Live 12… and Export for Live 11…: what `tintwright-cli export` writes for the current colours.
    void exportForLive(bool live12);
    // Complete the theme…: the elements and factors of Live 10.1 the theme lacks, as one edit.
    void completeTheme();
    void revertToOldColor(int row);
    // False where the colour dialog was cancelled.
    bool pickNewColor(int row);
    bool showColorDialog();
    void openHelp(const char* fileName);
    bool confirmExit();
    void showWrongFormat();
    void reportFailure(const char* headline, const std::filesystem::path& path, const QString& reason);

    // Runs a command. A dialog cancelled while CancelError is set ends it
    // quietly; any other failure ends it with one message box naming `path`,
    // which is read only then, so it may be filled by the command itself.
    void runCommand(const char* failureHeadline, const std::filesystem::path& path, const std::function<void()>& body);

    Desktop& m_desktop;
    model::ThemeModel m_model; // the theme and every edit of it
    const theme::ThemeDocument& m_document; // the model's, by the name the window's commands use

    ThemeTable* m_table = nullptr; // what the grid shows of the model
    CellGrid* Tabelle2 = nullptr;
    GraphicalButton* okopendatei = nullptr;
    GraphicalButton* okcolor = nullptr;
    GraphicalButton* okende = nullptr;
    GraphicalButton* oksave = nullptr; // element 1 of its control array
    GraphicalButton* okhelpgerman = nullptr;
    GraphicalButton* okquick = nullptr;
    GraphicalButton* okhelpenglish = nullptr;
    GraphicalButton* okpreview = nullptr;
    GraphicalButton* okedit = nullptr;
    QLabel* Label1 = nullptr;
    PathLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    CommonDialog* dialog = nullptr;

    QWidget* m_client = nullptr; // the fixed layout's client area
    QScrollArea* m_scrollArea = nullptr; // scrolls it on a screen too small for it
    QMargins m_fittedFrame; // the window frame fitToScreen() allowed for
    QPointer<PreviewWindow> m_preview;
    QMenu* m_editMenu = nullptr; // the grid's menu, also behind okedit
    QAction* actionChangeAll = nullptr;
    QAction* actionAdjust = nullptr;
    QAction* actionRecolour = nullptr;
    QAction* actionUndo = nullptr;
    QAction* actionRedo = nullptr;
    QAction* actionImportTheme = nullptr;
    QAction* actionExportLive12 = nullptr;
    QAction* actionExportLive11 = nullptr;
    QAction* actionComplete = nullptr;
    QAction* actionSaveTheme = nullptr;
    QAction* actionQuickSave = nullptr;
    QAction* actionColorTable = nullptr;
    QAction* actionHelpEnglish = nullptr;
    QAction* actionHelpGerman = nullptr;
    QAction* actionPreview = nullptr;
    QAction* actionExit = nullptr;
    QMenu* m_previewMenu = nullptr; // the main window's commands, in the preview

    bool m_unsaved = false;
    bool m_exitConfirmed = false; // Exit asked already: closing asks nothing more
    bool m_outlineFollowsGrid = false; // the user moved in the grid or the sketch since the theme was read
    QStringList m_undoSteps; // what each step of the model's history takes back, last on top
    QStringList m_redoSteps;
};

} // namespace tintwright::ui
