#include "support/FormDriver.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

using namespace tintwright::ui;
using namespace tintwright::ui::testing;

// Runs on a screen smaller than the window's fixed layout (1024 x 768, or a
// laptop's 1366 x 728 above its panel).
class Form1SmallScreenTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { verifyEverythingWasScripted(); }

    void window_withItsFrame_fitsTheScreen();
    void everyControl_canBeScrolledIntoView_data();
    void everyControl_canBeScrolledIntoView();
    void lastGridRow_canBeReachedAndPicked();
    void currentCell_staysInViewAndIsFoundByTyping();
};

void Form1SmallScreenTest::window_withItsFrame_fitsTheScreen()
{
    FormDriver driver;
    const QRect available = driver.form->screen()->availableGeometry();
    QVERIFY2(available.height() < 824 + 40, "this test wants a screen too small for the whole window");
    QVERIFY(available.contains(driver.form->frameGeometry()));
    QCOMPARE(driver.form->findChild<QWidget*>(QStringLiteral("clientArea"))->size(), QSize(848, 824));
}

void Form1SmallScreenTest::everyControl_canBeScrolledIntoView_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"Tabelle2", "okopendatei", "oksave", "okquick", "okcolor", "okhelpgerman", "okhelpenglish",
                             "okende", "Label1", "Label2"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

// Each corner of each control can be scrolled onto the screen; a control that
// fits the window is then wholly in view.
void Form1SmallScreenTest::everyControl_canBeScrolledIntoView()
{
    QFETCH(QString, name);
    FormDriver driver;
    auto* scrollArea = driver.form->findChild<QScrollArea*>();
    auto* control = driver.form->findChild<QWidget*>(name);
    const QWidget* client = control->parentWidget();
    const QRect visible = scrollArea->viewport()->rect();
    for (const QPoint& corner : {control->geometry().topLeft(), control->geometry().bottomRight()}) {
        scrollArea->ensureVisible(corner.x(), corner.y(), 1, 1);
        QVERIFY(visible.contains(client->mapTo(scrollArea->viewport(), corner)));
    }
    if (control->width() <= visible.width() && control->height() <= visible.height()) {
        scrollArea->ensureWidgetVisible(control, 0, 0);
        QVERIFY(visible.contains(QRect(control->mapTo(scrollArea->viewport(), QPoint(0, 0)), control->size())));
    }
}

void Form1SmallScreenTest::lastGridRow_canBeReachedAndPicked()
{
    FormDriver driver;
    driver.openTheme(QStringLiteral(TINTWRIGHT_SAMPLES "/Midnight.ask"));
    auto* scrollArea = driver.form->findChild<QScrollArea*>();
    CellGrid* grid = driver.grid();
    scrollArea->ensureWidgetVisible(grid->viewport(), 0, 0);
    const int last = grid->rows() - 1;
    driver.pick(last, QColor(1, 2, 3));
    QCOMPARE(grid->textAt(last, cols::Marker), QStringLiteral("#"));

    // The down arrow of the grid's scroll bar, at its bottom, is on the screen.
    scrollArea->ensureVisible(0, driver.form->findChild<QWidget*>(QStringLiteral("clientArea"))->height(), 0, 0);
    const QPoint bottom = grid->mapToGlobal(QPoint(grid->width() - 1, grid->height() - 1));
    QVERIFY(driver.form->screen()->availableGeometry().contains(bottom));
    QVERIFY(driver.form->frameGeometry().contains(bottom));
}

// Keys move the current cell; the outer area follows it so the whole cell shows.
void Form1SmallScreenTest::currentCell_staysInViewAndIsFoundByTyping()
{
    FormDriver driver;
    driver.openTheme(QStringLiteral(TINTWRIGHT_SAMPLES "/Midnight.ask"));
    auto* scrollArea = driver.form->findChild<QScrollArea*>();
    CellGrid* grid = driver.grid();
    const auto cellInView = [&] {
        const QModelIndex current = grid->currentIndex();
        const QRect cell = grid->visualRect(current);
        const QRect inArea(grid->viewport()->mapTo(scrollArea->viewport(), cell.topLeft()), cell.size());
        return scrollArea->viewport()->rect().contains(inArea);
    };
    for (int press = 0; press < 40; ++press) {
        QTest::keyClick(grid, Qt::Key_Down);
        QVERIFY2(cellInView(), qPrintable(QString::number(press)));
    }
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(grid->currentIndex().row(), grid->rows() - 2);
    QVERIFY(cellInView());

    QTest::keyClick(grid, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(grid, QStringLiteral("Desk"));
    QCOMPARE(grid->textAt(grid->currentIndex().row() + 1, cols::Item), QStringLiteral("<Desktop>"));
    QVERIFY(cellInView());
    // No scroll bar shows in a direction the client area fits.
    QCOMPARE(scrollArea->horizontalScrollBar()->isVisible(),
             driver.form->findChild<QWidget*>(QStringLiteral("clientArea"))->width() > scrollArea->viewport()->width());
}

QTEST_MAIN(Form1SmallScreenTest)
#include "Form1SmallScreenTest.moc"
