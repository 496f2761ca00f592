#include "components/SketchView.h"
#include "support/FormDriver.h"

#include "sketch/Sketch.h"
#include "theme/ThemeReader.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <algorithm>

using namespace tintwright::ui;
using namespace tintwright::ui::testing;

namespace {

const QString kMidnight = QStringLiteral(TINTWRIGHT_SAMPLES "/Midnight.ask");

struct PreviewWindowParts {
    QWidget* window = nullptr;
    SketchView* sketch = nullptr;
    QLabel* hoverInfo = nullptr;
};

// A point of the sketch where `element` shows, uncovered by other shapes.
QPoint areaOf(const SketchView& sketch, const std::string& element)
{
    for (const tintwright::sketch::Shape& shape : sketch.scene().shapes) {
        for (int i = 1; shape.element == element && i < 20; ++i) {
            for (int j = 1; j < 20; ++j) {
                const QPoint at = sketch.toWidget({shape.x + shape.w * i / 20, shape.y + shape.h * j / 20}).toPoint();
                if (sketch.elementAt(at) == element && sketch.elementAt(at + QPoint(2, 2)) == element
                    && sketch.elementAt(at - QPoint(2, 2)) == element) {
                    return at;
                }
            }
        }
    }
    return {};
}

// The pointer moved onto `at`, as the platform tells a widget that tracks the mouse.
void pointAt(QWidget* widget, const QPoint& at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

PreviewWindowParts openPreview(FormDriver& driver)
{
    driver.openTheme(kMidnight);
    driver.click("okpreview");
    auto* preview = driver.form->findChild<QWidget*>(QStringLiteral("PreviewWindow"));
    if (preview == nullptr || !QTest::qWaitForWindowExposed(preview)) {
        return {};
    }
    return {preview, preview->findChild<SketchView*>(QStringLiteral("sketch")),
            preview->findChild<QLabel*>(QStringLiteral("hoverInfo"))};
}

// The colour `widget` shows at `at`, on a screen of any scale.
QColor pixelAt(QWidget* widget, const QPoint& at)
{
    const QImage image = widget->grab().toImage();
    return image.pixelColor((QPointF(at) * image.devicePixelRatio()).toPoint());
}

QRect globalRect(const QWidget* widget)
{
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

qint64 areaOf(const QRect& rect)
{
    return rect.isEmpty() ? 0 : qint64 {rect.width()} * rect.height();
}

} // namespace

class Form1PreviewTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { verifyEverythingWasScripted(); }

    void preview_namesPointsFindsAndFollowsTheGrid();
    void preview_waitsForATheme();
    void preview_doubleClickPicksForThePointedEntryAndNamesIt();
    void preview_keyboardAndScreenReaderReachEveryArea();
    void preview_opensOnScreenBesideOrAwayFromTheGrid();
    void preview_staysInViewWhileAdjustIsOpen();
    void editMenu_opensFromKeysAndButton();
    void preview_titleFollowsSaveAndGridKeepsItsMark();
    void windows_areWindowsToScreenReaders();
    void contrastList_namesWhatContrastReportsAndFindsItsRow();
    void sketch_clickMakesItsShapeCurrentAndAPickStartsAndEndsThere();
    void sketch_tabComesRoundToTheFirstArea();
    void preview_menuAndKeysReachTheCommandsAndTheKeysComeBack();
};

// Every command of the main window is in the preview's menu or on a key; a
// dialog or message a command shows hands the keys back to the preview;
// the line follows the keys; Escape puts the preview away.
void Form1PreviewTest::preview_menuAndKeysReachTheCommandsAndTheKeysComeBack()
{
    FormDriver driver;
    const PreviewWindowParts preview = openPreview(driver);
    QVERIFY(preview.sketch);
    QApplication::setActiveWindow(preview.window);
    preview.sketch->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), preview.sketch);

    auto* menu = driver.form->findChild<QMenu*>(QStringLiteral("previewMenu"));
    QVERIFY(menu);
    QTest::keyClick(preview.sketch, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(menu->isVisible());
    QStringList names;
    for (const QAction* action : menu->actions()) {
        names << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
    }
    QCOMPARE(names.join(QLatin1Char(' ')),
             QStringLiteral("actionSaveTheme actionQuickSave actionColorTable | actionImportTheme actionExportLive12 "
                            "actionExportLive11 | actionChangeAll actionAdjust "
                            "actionRecolour actionComplete actionUndo actionRedo | actionHelpEnglish "
                            "actionHelpGerman | actionPreview actionExit"));
    menu->close();

    // Adjust, with the main window taking the keys while it is open, as a dialog's owner does.
    driver.desktop.answerDialog([&](QDialog&) {
        QApplication::setActiveWindow(driver.form.get());
        driver.grid()->setFocus();
        return false;
    });
    QTest::keyClick(preview.sketch, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(driver.desktop.dialogs, QStringList {"AdjustDialog"});
    QTRY_COMPARE(QApplication::focusWidget(), preview.sketch);
    QTest::keyClick(preview.sketch, Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier); // Complete the theme
    QCOMPARE(driver.desktop.messages.size(), 1);
    QTRY_COMPARE(QApplication::focusWidget(), preview.sketch);
    // Quick Save from the preview, once the theme has been saved.
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("Mine.ask"));
    driver.saveAs(saved);
    driver.pick(2, QColor(1, 2, 3));
    const QByteArray before = fileBytes(saved);
    QTest::keyClick(preview.sketch, Qt::Key_S, Qt::ControlModifier | Qt::AltModifier);
    QVERIFY(fileBytes(saved) != before);
    QVERIFY(!preview.window->isWindowModified());
    QApplication::setActiveWindow(preview.window);
    preview.sketch->setFocus(Qt::OtherFocusReason);

    // The keys gone to the list: the line no longer names a shape of the sketch.
    QTest::keyClick(preview.sketch, Qt::Key_Right);
    QVERIFY(preview.hoverInfo->text().contains(QLatin1Char('<')));
    preview.window->findChild<QListWidget*>(QStringLiteral("contrastList"))->setFocus(Qt::TabFocusReason);
    QCOMPARE(preview.hoverInfo->text(),
             QStringLiteral("Point at an area to see which entry paints it; click to find "
                            "its row, double-click to pick its colour."));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(preview.window->isHidden());
}

// After arrows, a click makes the clicked shape the one current shape: Enter
// picks for it, from its own colour, and the keys come back to the sketch.
void Form1PreviewTest::sketch_clickMakesItsShapeCurrentAndAPickStartsAndEndsThere()
{
    FormDriver driver;
    const PreviewWindowParts preview = openPreview(driver);
    QVERIFY(preview.sketch);
    QApplication::setActiveWindow(preview.window);
    preview.sketch->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(preview.sketch, Qt::Key_Right);
    }
    const QPoint ground = areaOf(*preview.sketch, "SurfaceArea");
    QVERIFY(!ground.isNull());
    QTest::mouseClick(preview.sketch, Qt::LeftButton, Qt::NoModifier, ground);
    const int current = preview.sketch->focusedShape();
    QCOMPARE(preview.sketch->scene().shapes.at(static_cast<std::size_t>(current)).element, std::string("SurfaceArea"));

    const int row = driver.grid()->currentIndex().row() + 1;
    driver.desktop.answerColor(std::nullopt); // Escape
    QTest::keyClick(preview.sketch, Qt::Key_Return);
    QCOMPARE(driver.desktop.colorTitles.last(), QStringLiteral("Colour for %1 <SurfaceArea>").arg(row));
    const unsigned own = driver.grid()->backColorAt(row, cols::OldColor); // 0x00BBGGRR, the entry's own colour
    QCOMPARE(driver.desktop.colorRequests.last(), QColor(own & 0xFF, (own >> 8) & 0xFF, (own >> 16) & 0xFF));
    QCOMPARE(QApplication::focusWidget(), preview.sketch);

    // The main window's keys work in the preview, which may cover its buttons; F5 puts the preview away.
    QApplication::setActiveWindow(preview.window);
    driver.desktop.answerSave(std::nullopt);
    QTest::keyClick(preview.sketch, Qt::Key_S, Qt::ControlModifier);
    QTRY_COMPARE(driver.desktop.saveRequests.size(), 1); // Save Theme is clicked as a key clicks a button
    QTest::keyClick(preview.sketch, Qt::Key_F5);
    QVERIFY(preview.window->isHidden());
}

// Tab goes through every area and the preview's other controls and comes back to the first area.
void Form1PreviewTest::sketch_tabComesRoundToTheFirstArea()
{
    FormDriver driver;
    const PreviewWindowParts preview = openPreview(driver);
    QVERIFY(preview.sketch);
    QApplication::setActiveWindow(preview.window);
    preview.sketch->setFocus(Qt::TabFocusReason);
    QCOMPARE(preview.sketch->focusedShape(), 0);
    bool left = false;
    for (int press = 0; press < 200 && !(left && QApplication::focusWidget() == preview.sketch); ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        left = left || QApplication::focusWidget() != preview.sketch;
    }
    QVERIFY(left);
    QCOMPARE(QApplication::focusWidget(), preview.sketch);
    QCOMPARE(preview.sketch->focusedShape(), 0);
    auto* simulate = preview.window->findChild<QComboBox*>(QStringLiteral("previewSimulate"));
    simulate->setCurrentIndex(2);
    auto* heading = preview.window->findChild<QLabel*>(QStringLiteral("contrastHeading"));
    QVERIFY(heading->text().endsWith(QStringLiteral("as seen with ") + simulate->currentText()));
    QCOMPARE(preview.window->findChild<QListWidget*>(QStringLiteral("contrastList"))->accessibleName(),
             heading->text());
}

void Form1PreviewTest::contrastList_namesWhatContrastReportsAndFindsItsRow()
{
    FormDriver driver;
    const PreviewWindowParts preview = openPreview(driver);
    QVERIFY(preview.window);
    auto* list = preview.window->findChild<QListWidget*>(QStringLiteral("contrastList"));
    auto* vision = preview.window->findChild<QComboBox*>(QStringLiteral("previewSimulate"));
    QVERIFY(list && vision);
    QCOMPARE(vision->itemText(0), QStringLiteral("normal"));
    QCOMPARE(vision->count(), 5);

    // The same pairs the CLI reports as below their minimum, for the theme as read.
    const auto theme = tintwright::theme::readThemeFile(kMidnight.toStdString());
    QVERIFY(theme);
    int below = 0;
    for (const auto& pair : tintwright::sketch::contrastPairs(tintwright::sketch::elementColors(*theme))) {
        below += pair.passes ? 0 : 1;
    }
    QCOMPARE(list->count(), below);
    QListWidgetItem* first = list->item(0);
    const QString foreground = first->data(Qt::UserRole).toString();
    QVERIFY(first->text().contains(QLatin1Char('<') + foreground + QLatin1Char('>')));
    int row = 0;
    for (std::size_t i = 0; i < theme->entries.size() && row == 0; ++i) {
        row = theme->entries[i].item == "<" + foreground.toStdString() + ">" ? static_cast<int>(i) + 1 : 0;
    }
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(first).center());
    QCOMPARE(driver.grid()->currentIndex().row() + 1, row);

    // Seen without colour, the sketch is grey.
    const QPoint desktop = areaOf(*preview.sketch, "SurfaceHighlight");
    vision->setCurrentIndex(4);
    const QColor grey = pixelAt(preview.sketch, desktop);
    QCOMPARE(grey.red(), grey.green());
    QCOMPARE(grey.green(), grey.blue());
}

// From the keyboard: Tab moves from area to area, the arrows from shape to
// shape, each read as hovering reads it; Enter picks as a double-click does.
// A screen reader meets the shapes as the sketch's children under those names.
void Form1PreviewTest::preview_keyboardAndScreenReaderReachEveryArea()
{
    FormDriver driver;
    const PreviewWindowParts preview = openPreview(driver);
    QVERIFY(preview.sketch);
    auto* missing = preview.window->findChild<QLabel*>(QStringLiteral("missingInfo"));
    QVERIFY(missing && missing->isVisible());
    QVERIFY2(missing->text().endsWith(" elements are missing: Live uses its defaults"), qPrintable(missing->text()));
    QVERIFY(missing->toolTip().contains("<ImplicitArm>"));
    auto* view = preview.window->findChild<QTabBar*>(QStringLiteral("previewView"));
    QCOMPARE(view->count(), 7);
    QCOMPARE(view->tabText(2), QStringLiteral("Preferences"));
    QVERIFY(view->tabToolTip(5).startsWith("The Session view in MIDI Map Mode")); // which states the view shows

    QApplication::setActiveWindow(preview.window);
    preview.sketch->setFocus();
    QTRY_VERIFY(preview.sketch->hasFocus());
    QVERIFY(preview.hoverInfo->text().endsWith("Session › Window"));
    QTest::keyClick(preview.sketch, Qt::Key_Tab);
    QVERIFY2(preview.hoverInfo->text().endsWith(" · Session › Control bar"), qPrintable(preview.hoverInfo->text()));
    const int first = preview.sketch->focusedShape();
    QTest::keyClick(preview.sketch, Qt::Key_Right);
    QCOMPARE(preview.sketch->focusedShape(), first + 1);
    QCOMPARE(preview.hoverInfo->text(), preview.sketch->describe(first + 1));

    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(preview.sketch);
    QVERIFY(spoken);
    QCOMPARE(spoken->childCount(), static_cast<int>(preview.sketch->scene().shapes.size()));
    QVERIFY(spoken->focusChild());
    QCOMPARE(spoken->focusChild()->text(QAccessible::Name), preview.hoverInfo->text());
    QCOMPARE(spoken->indexOfChild(spoken->focusChild()), first + 1);

    const QString named = preview.hoverInfo->text();
    const int row = named.section(QLatin1Char(' '), 0, 0).toInt();
    QVERIFY2(row > 0, qPrintable(named));
    driver.desktop.answerColor(QColor(0, 0, 255));
    QTest::keyClick(preview.sketch, Qt::Key_Return);
    QCOMPARE(driver.grid()->backColorAt(row, cols::NewColor), 0x00FF0000u);
}

void Form1PreviewTest::preview_doubleClickPicksForThePointedEntryAndNamesIt()
{
    FormDriver driver;
    const PreviewWindowParts preview = openPreview(driver);
    QVERIFY(preview.sketch);
    // A tool window of the main window: it stays above it.
    QCOMPARE(preview.window->windowType(), Qt::Tool);
    QCOMPARE(preview.window->parentWidget(), driver.form.get());

    const QPoint ground = areaOf(*preview.sketch, "SurfaceBackground");
    QVERIFY(!ground.isNull());
    pointAt(preview.sketch, ground);
    const QString pointed = preview.hoverInfo->text();
    const int row = pointed.section(QLatin1Char(' '), 0, 0).toInt();
    QVERIFY2(row > 0 && pointed.contains("<SurfaceBackground>"), qPrintable(pointed));
    driver.desktop.answerColor(QColor(0, 255, 0));
    QTest::mouseDClick(preview.sketch, Qt::LeftButton, Qt::NoModifier, ground);
    QCOMPARE(driver.desktop.colorTitles, QStringList {QStringLiteral("Colour for %1 <SurfaceBackground>").arg(row)});
    QCOMPARE(driver.grid()->backColorAt(row, cols::NewColor), 0x0000FF00u);
    QCOMPARE(driver.grid()->currentIndex().row() + 1, row);
    QCOMPARE(pixelAt(preview.sketch, ground), QColor(0, 255, 0));
    // A colour picked in the grid itself names its entry in the same words.
    driver.pick(1, QColor(1, 2, 3));
    QCOMPARE(driver.desktop.colorTitles.last(), QStringLiteral("Colour for 1 <ControlForeground>"));
}

void Form1PreviewTest::preview_opensOnScreenBesideOrAwayFromTheGrid()
{
    FormDriver driver;
    const PreviewWindowParts preview = openPreview(driver);
    QVERIFY(preview.sketch);
    const QRect screen = driver.form->screen()->availableGeometry();
    const QRect frame = preview.window->frameGeometry();
    QVERIFY2(
        screen.contains(frame),
        qPrintable(
            QStringLiteral("%1 x %2 at %3, %4").arg(frame.width()).arg(frame.height()).arg(frame.x()).arg(frame.y())));
    QVERIFY(screen.contains(globalRect(preview.hoverInfo)));
    const QRect main = driver.form->frameGeometry();
    if (screen.width() >= main.width() + frame.width()) {
        QVERIFY(!frame.intersects(main));
    } else {
        // The grid keeps at least what the screen beside the preview leaves it.
        const QRect grid = globalRect(driver.grid());
        const int besideWidth = screen.width() - frame.width();
        QVERIFY(areaOf(frame.intersected(grid))
                <= areaOf(grid) - qint64 {std::max(0, besideWidth - grid.left())} * grid.height());
    }
    // At its smallest the sketch still ends above the pointer's line, every view drawn inside its own place.
    preview.window->resize(preview.window->minimumSizeHint());
    QCoreApplication::processEvents();
    QVERIFY(preview.hoverInfo->geometry().top() > preview.sketch->geometry().bottom());
    for (const tintwright::sketch::Scene* scene : tintwright::sketch::allScenes()) {
        preview.sketch->setScene(*scene);
        const QPointF corner = preview.sketch->toWidget({scene->width, scene->height});
        QVERIFY2(corner.y() <= preview.sketch->height() + 0.5 && corner.x() <= preview.sketch->width() + 0.5,
                 scene->id.c_str());
    }
}

void Form1PreviewTest::preview_staysInViewWhileAdjustIsOpen()
{
    FormDriver driver;
    const PreviewWindowParts preview = openPreview(driver);
    QVERIFY(preview.sketch);
    QRect dialogFrame;
    driver.desktop.answerDialog([&](QDialog& dialog) {
        dialog.show();
        dialogFrame = dialog.frameGeometry();
        return false;
    });
    QApplication::setActiveWindow(driver.form.get());
    driver.form->findChild<QAction*>(QStringLiteral("actionAdjust"))->trigger();
    QVERIFY(!dialogFrame.isEmpty());
    const QRect sketch = globalRect(preview.sketch);
    if (driver.form->screen()->availableGeometry().width() < 1200) {
        // The preview fills a screen this small: the dialog keeps off the sketch's middle at least.
        QVERIFY(!dialogFrame.contains(sketch.center()));
        return;
    }
    QVERIFY2(areaOf(dialogFrame.intersected(sketch)) * 10 <= areaOf(sketch),
             qPrintable(QStringLiteral("the dialog covers %1 of %2 square pixels")
                            .arg(areaOf(dialogFrame.intersected(sketch)))
                            .arg(areaOf(sketch))));
}

void Form1PreviewTest::editMenu_opensFromKeysAndButton()
{
    FormDriver driver;
    auto* edit = driver.button("okedit");
    QVERIFY(edit && !edit->isEnabled());
    QVERIFY(!edit->toolTip().isEmpty());
    driver.openTheme(kMidnight);
    QVERIFY(edit->isEnabled());
    auto* menu = driver.form->findChild<QMenu*>(QStringLiteral("editMenu"));
    QVERIFY(menu);
    QStringList names;
    for (const QAction* action : menu->actions()) {
        names << action->objectName();
    }
    QCOMPARE(names,
             QStringList({"actionChangeAll", "actionAdjust", "actionRecolour", "actionComplete", "actionUndo",
                          "actionRedo", "actionImportTheme", "actionExportLive12", "actionExportLive11"}));

    QApplication::setActiveWindow(driver.form.get());
    driver.grid()->setFocus();
    driver.grid()->setCurrentCell(5, cols::NewColor);
    QTest::keyClick(driver.grid(), Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(menu->isVisible());
    const QPoint cell = driver.grid()->viewport()->mapToGlobal(driver.grid()->cellRect(5, cols::NewColor).center());
    QVERIFY(menu->geometry().contains(cell) || (menu->pos() - cell).manhattanLength() < 4);
    menu->close();

    QTest::mouseClick(edit, Qt::LeftButton);
    QTRY_VERIFY(menu->isVisible());
    const QPoint below = edit->mapToGlobal(QPoint(0, edit->height()));
    if (driver.form->screen()->availableGeometry().contains(QRect(below, menu->size()))) {
        QCOMPARE(menu->pos(), below); // else Qt moves it onto the screen
    }
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(menu);
    QVERIFY(spoken);
    QCOMPARE(spoken->role(), QAccessible::PopupMenu);
    QCOMPARE(spoken->childCount(), static_cast<int>(menu->actions().size()));
    menu->close();
}

void Form1PreviewTest::preview_titleFollowsSaveAndGridKeepsItsMark()
{
    FormDriver driver;
    const PreviewWindowParts preview = openPreview(driver);
    QVERIFY(preview.sketch);
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("Night Blue.ask"));
    driver.desktop.answerSave(saved);
    driver.click("oksave");
    QCOMPARE(preview.window->windowHandle()->title(), QStringLiteral("Preview – Night Blue.ask"));

    // With the preview active, the current cell of the grid keeps a frame.
    driver.grid()->setCurrentCell(3, cols::Red);
    QApplication::setActiveWindow(driver.form.get());
    driver.button("okcolor")->setFocus(); // active, but the grid without the focus frame
    const QRect cell = driver.grid()->cellRect(3, cols::Red);
    const QImage unmarked = driver.grid()->viewport()->grab(cell).toImage();
    QApplication::setActiveWindow(preview.window);
    QTRY_VERIFY(!driver.form->isActiveWindow());
    QVERIFY(driver.grid()->viewport()->grab(cell).toImage() != unmarked);
}

void Form1PreviewTest::windows_areWindowsToScreenReaders()
{
    FormDriver driver;
    const PreviewWindowParts preview = openPreview(driver);
    QVERIFY(preview.window);
    QCOMPARE(QAccessible::queryAccessibleInterface(driver.form.get())->role(), QAccessible::Window);
    QCOMPARE(QAccessible::queryAccessibleInterface(preview.window)->role(), QAccessible::Window);
    // The marker column has no header text, but a name.
    QCOMPARE(driver.grid()->model()->headerData(6, Qt::Horizontal, Qt::AccessibleTextRole).toString(),
             QStringLiteral("Changed"));
}

void Form1PreviewTest::preview_waitsForATheme()
{
    FormDriver driver;
    QVERIFY(!driver.button("okpreview")->isEnabled());
    QCOMPARE(driver.button("okpreview")->text(), QStringLiteral("Preview"));
    driver.openTheme(kMidnight);
    QVERIFY(driver.button("okpreview")->isEnabled());
    // The ITEM cells say where Live paints their element.
    const QModelIndex desktopItem = driver.grid()->model()->index(6, 0);
    const QString described = desktopItem.data(Qt::AccessibleDescriptionRole).toString();
    QVERIFY(described.startsWith("The gaps between Live's panels"));
    QVERIFY(described.endsWith(" (inferred)")); // no public document places it
    // The tooltip says the same in lines of a readable length.
    const QString tip = desktopItem.data(Qt::ToolTipRole).toString();
    QCOMPARE(QString(tip).replace(QLatin1Char('\n'), QLatin1Char(' ')), described);
    for (const QString& line : tip.split(QLatin1Char('\n'))) {
        QVERIFY2(line.size() <= 64, qPrintable(line));
    }
}

void Form1PreviewTest::preview_namesPointsFindsAndFollowsTheGrid()
{
    FormDriver driver;
    driver.openTheme(kMidnight);
    QApplication::setActiveWindow(driver.form.get());
    QTest::keyClick(driver.form.get(), Qt::Key_F5);
    QTRY_VERIFY(driver.form->findChild<QWidget*>(QStringLiteral("PreviewWindow")));
    auto* preview = driver.form->findChild<QWidget*>(QStringLiteral("PreviewWindow"));
    QTRY_VERIFY(preview->isVisible());
    QCOMPARE(preview->windowHandle()->title(), QStringLiteral("Preview – Midnight.ask"));
    auto* sketch = preview->findChild<SketchView*>(QStringLiteral("sketch"));
    auto* hoverInfo = preview->findChild<QLabel*>(QStringLiteral("hoverInfo"));
    QVERIFY(QTest::qWaitForWindowExposed(preview));
    // Nothing is outlined before the user moves: Ctrl alone (as for a window's key) is no move,
    // nor is the program making another row current.
    QTest::keyClick(driver.grid(), Qt::Key_Control);
    driver.grid()->setCurrentCell(3, cols::Red);
    QCOMPARE(sketch->outlined(), std::string());

    // Pointing names the entry: <Desktop> is row 7, black in Midnight.
    const QPoint desktopArea = areaOf(*sketch, "Desktop");
    QVERIFY(!desktopArea.isNull());
    pointAt(sketch, desktopArea);
    QCOMPARE(hoverInfo->text(), QStringLiteral("7 <Desktop> R 0 G 0 B 0 · Session › Window"));
    QCOMPARE(hoverInfo->accessibleName(), hoverInfo->text());

    // A click makes its row current; a pick there repaints the area.
    QTest::mouseClick(sketch, Qt::LeftButton, Qt::NoModifier, desktopArea);
    QCOMPARE(driver.grid()->currentIndex().row() + 1, 7);
    QCOMPARE(sketch->outlined(), std::string("Desktop"));
    driver.pick(7, QColor(12, 200, 34));
    QCOMPARE(pixelAt(sketch, desktopArea), QColor(12, 200, 34));
    // The line names the colour as it is now, and the unsaved pick shows in the title.
    QCOMPARE(hoverInfo->text(), QStringLiteral("7 <Desktop> R 12 G 200 B 34 · Session › Window"));
    QCOMPARE(preview->windowHandle()->title(), QStringLiteral("Preview – Midnight.ask*"));

    // The grid's current row outlines its element; the view switch shows the Arrangement.
    QTest::keyClick(driver.grid(), Qt::Key_Up);
    QCOMPARE(sketch->outlined(), std::string("SurfaceArea"));
    preview->findChild<QTabBar*>(QStringLiteral("previewView"))->setCurrentIndex(1);
    QCOMPARE(sketch->scene().name, std::string("Arrangement"));

    driver.desktop.answerMessage(MessageAnswer::Discard);
    QVERIFY(driver.form->close());
    QTRY_VERIFY(!driver.form->findChild<QWidget*>(QStringLiteral("PreviewWindow")));
}

QTEST_MAIN(Form1PreviewTest)
#include "Form1PreviewTest.moc"
