#include "components/CellGrid.h"

#include <QAccessible>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

#include <functional>
#include <stdexcept>

using namespace tintwright::ui;

Q_DECLARE_METATYPE(std::function<void(CellGrid&)>)

class CellGridTest : public QObject {
    Q_OBJECT

private slots:
    void setters_onACellTheGridNoLongerHas_throw_data();
    void setters_onACellTheGridNoLongerHas_throw();
    void keysAndPointer_moveAndClickTheCurrentCell();
    void typing_findsTheEntryByItsName_data();
    void typing_findsTheEntryByItsName();
    void source_isShownAsItIsAndFollowedAsItChanges();
    void colWidth_inTwipsBecomesPixelsOfThatColumn_data();
    void colWidth_inTwipsBecomesPixelsOfThatColumn();
    void keys_keepTheCurrentCellInViewAndOffTheFixedOnes_data();
    void keys_keepTheCurrentCellInViewAndOffTheFixedOnes();
    void screenReader_hearsEachCellWithItsRowAndColumn_data();
    void screenReader_hearsEachCellWithItsRowAndColumn();

private:
    // A grid of entries as the window lists them: number, name, and a colour cell.
    static void fill(CellGrid& grid)
    {
        grid.setCols(3);
        grid.setRows(4);
        const char* names[] = {"<SurfaceArea>", "<SurfaceBackground>", "<ControlForeground>"};
        for (int row = 1; row <= 3; ++row) {
            grid.setRow(row);
            grid.setCol(1);
            grid.setText(QString::fromLatin1(names[row - 1]));
        }
        grid.resize(400, 200);
    }
};

void CellGridTest::setters_onACellTheGridNoLongerHas_throw_data()
{
    QTest::addColumn<std::function<void(CellGrid&)>>("set");
    QTest::newRow("text") << std::function<void(CellGrid&)>([](CellGrid& grid) { grid.setText(QStringLiteral("a")); });
    QTest::newRow("back colour") << std::function<void(CellGrid&)>([](CellGrid& grid) { grid.setCellBackColor(1); });
    QTest::newRow("spoken text") << std::function<void(CellGrid&)>(
        [](CellGrid& grid) { grid.setCellAccessibleText(QStringLiteral("a")); });
    QTest::newRow("tooltip") << std::function<void(CellGrid&)>(
        [](CellGrid& grid) { grid.setCellToolTip(QStringLiteral("a")); });
}

// The current cell stays where it was set while the grid shrinks beneath it.
void CellGridTest::setters_onACellTheGridNoLongerHas_throw()
{
    QFETCH(std::function<void(CellGrid&)>, set);
    CellGrid grid;
    grid.setCols(8);
    grid.setRows(170);
    grid.setRow(150);
    grid.setCol(6);
    set(grid);
    grid.setRows(20);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, set(grid));
}

// Arrows move the current cell, Space and Enter click it as the pointer does;
// a click tells which cell it was on.
void CellGridTest::keysAndPointer_moveAndClickTheCurrentCell()
{
    CellGrid grid;
    fill(grid);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy moved(&grid, &CellGrid::currentCellChanged);
    QSignalSpy clicked(&grid, &CellGrid::cellClicked);
    grid.setCurrentCell(1, 1);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Right);
    QCOMPARE(moved.last(), (QList<QVariant> {2, 2}));
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(&grid, key);
    }
    QCOMPARE(clicked.size(), 3);
    QCOMPARE(grid.rowSel(), 2);
    QCOMPARE(grid.colSel(), 2);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(3, 1).center());
    QCOMPARE(clicked.size(), 4);
    QCOMPARE(grid.rowSel(), 3);
    QCOMPARE(grid.colSel(), 1);
}

void CellGridTest::typing_findsTheEntryByItsName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    QTest::newRow("without its bracket") << QStringLiteral("surfaceb") << 2;
    QTest::newRow("with its bracket") << QStringLiteral("<Con") << 3;
    QTest::newRow("the first that fits") << QStringLiteral("Surface") << 1;
    QTest::newRow("nothing fits: stays") << QStringLiteral("x") << 2;
}

// Typing a name's start moves to the first entry of that name, with or
// without the angle bracket the theme writes.
void CellGridTest::typing_findsTheEntryByItsName()
{
    QFETCH(QString, typed);
    QFETCH(int, row);
    CellGrid grid;
    fill(grid);
    grid.setCurrentCell(2, 1);
    QSignalSpy moved(&grid, &CellGrid::currentCellChanged);
    QTest::keyClicks(&grid, typed);
    QCOMPARE(moved.isEmpty() ? 2 : moved.last().at(0).toInt(), row);
}

// A grid over a model shows its cells, row 0 and column 0 as the fixed ones,
// keeps the current cell while rows come and go, and writes none of them.
void CellGridTest::source_isShownAsItIsAndFollowedAsItChanges()
{
    QStandardItemModel source(3, 3);
    source.setData(source.index(0, 1), QStringLiteral("ITEM"));
    source.setData(source.index(1, 1), QStringLiteral("<SurfaceArea>"));
    source.setData(source.index(1, 1), QString(70, QLatin1Char('x')) + QStringLiteral(" tip"), Qt::ToolTipRole);
    source.setData(source.index(1, 2), QVariant::fromValue(tintwright::theme::ColorValue(0x00030201u)),
                   CellGrid::BackColorRole);
    CellGrid grid;
    grid.setBackColor(0x00FFFFFFu);
    grid.setSource(&source);
    grid.resize(400, 200);

    QCOMPARE(grid.rows(), 3);
    QCOMPARE(grid.cols(), 3);
    QCOMPARE(grid.textAt(0, 1), QStringLiteral("ITEM"));
    QCOMPARE(grid.textAt(1, 1), QStringLiteral("<SurfaceArea>"));
    QCOMPARE(grid.backColorAt(1, 2), 0x00030201u);
    QCOMPARE(grid.backColorAt(2, 2), 0x00FFFFFFu); // none given: the grid's own
    const QAbstractItemModel* shown = grid.model();
    QCOMPARE(shown->index(0, 0).data(Qt::ToolTipRole).toString(), QString(70, QLatin1Char('x')) + "\ntip");
    QCOMPARE(shown->index(0, 1).data(Qt::AccessibleTextRole).toString(), QStringLiteral("R 1 G 2 B 3"));

    grid.setCurrentCell(2, 1);
    source.appendRow({new QStandardItem, new QStandardItem(QStringLiteral("<Desktop>"))});
    QCOMPARE(grid.rows(), 4);
    QCOMPARE(grid.textAt(3, 1), QStringLiteral("<Desktop>"));
    source.setData(source.index(2, 1), QStringLiteral("<Alert>"));
    QCOMPARE(grid.model()->index(1, 0).data().toString(), QStringLiteral("<Alert>"));
    source.removeRow(3);
    QCOMPARE(grid.rows(), 3);
    QCOMPARE(grid.currentIndex(), grid.model()->index(1, 0));

    grid.setRow(1);
    grid.setCol(1);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, grid.setText(QStringLiteral("written")));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, grid.setRows(10));
    QCOMPARE(grid.textAt(1, 1), QStringLiteral("<SurfaceArea>"));
}

void CellGridTest::colWidth_inTwipsBecomesPixelsOfThatColumn_data()
{
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    // A pixel is 15 twips on a 96 dpi screen (1440 twips an inch); part pixels round to the nearest.
    QTest::newRow("a cell column") << 2 << 1500 << 100;
    QTest::newRow("two thirds of a pixel up") << 2 << 1000 << 67;
    QTest::newRow("two fifteenths down") << 1 << 1082 << 72;
    QTest::newRow("the fixed column") << 0 << 600 << 40;
}

// A width in twips sizes the column it names, and no other.
void CellGridTest::colWidth_inTwipsBecomesPixelsOfThatColumn()
{
    QFETCH(int, col);
    QFETCH(int, twips);
    QFETCH(int, pixels);
    CellGrid grid;
    fill(grid);
    const int other = col == 1 ? 2 : 1;
    const int otherWidth = grid.cellRect(1, other).width();
    grid.setColWidth(col, twips);
    QCOMPARE(col == 0 ? grid.verticalHeader()->width() : grid.cellRect(1, col).width(), pixels);
    QCOMPARE(grid.cellRect(1, other).width(), otherWidth);
}

void CellGridTest::keys_keepTheCurrentCellInViewAndOffTheFixedOnes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("from"); // the row the current cell starts on, in column 4
    QTest::addColumn<int>("row"); // 0: any row at least two below it
    QTest::addColumn<int>("col");
    const Qt::KeyboardModifiers none;
    QTest::newRow("Ctrl+End: the last cell")
        << int(Qt::Key_End) << Qt::KeyboardModifiers(Qt::ControlModifier) << 80 << 169 << 7;
    QTest::newRow("Ctrl+Home: the first cell, not a fixed one")
        << int(Qt::Key_Home) << Qt::KeyboardModifiers(Qt::ControlModifier) << 80 << 1 << 1;
    QTest::newRow("Home: the row's first cell") << int(Qt::Key_Home) << none << 80 << 80 << 1;
    QTest::newRow("Page Down: a page on") << int(Qt::Key_PageDown) << none << 80 << 0 << 4;
    QTest::newRow("Up from the first row: stays") << int(Qt::Key_Up) << none << 1 << 1 << 4;
}

// Wherever a key takes the current cell, the grid tells so and scrolls it into view.
void CellGridTest::keys_keepTheCurrentCellInViewAndOffTheFixedOnes()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, from);
    QFETCH(int, row);
    QFETCH(int, col);
    CellGrid grid;
    grid.setCols(8);
    grid.setRows(170);
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    grid.setCurrentCell(from, 4);
    QSignalSpy moved(&grid, &CellGrid::currentCellChanged);
    QTest::keyClick(&grid, Qt::Key(key), modifiers);
    const int nowRow = grid.currentIndex().row() + 1;
    const int nowCol = grid.currentIndex().column() + 1;
    if (row == 0) {
        QVERIFY(nowRow > from + 1);
    } else {
        QCOMPARE(nowRow, row);
    }
    QCOMPARE(nowCol, col);
    if (nowRow != from || nowCol != 4) {
        QCOMPARE(moved.last(), (QList<QVariant> {nowRow, nowCol}));
    }
    QVERIFY(grid.viewport()->rect().contains(grid.cellRect(nowRow, nowCol)));
}

void CellGridTest::screenReader_hearsEachCellWithItsRowAndColumn_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("its text") << 1 << 1 << QStringLiteral("<SurfaceArea>") << QString();
    QTest::newRow("a colour without text, in words")
        << 1 << 2 << QStringLiteral("R 255 G 128 B 0") << QStringLiteral("Behind the mixer");
    QTest::newRow("what it was given to say") << 2 << 1 << QStringLiteral("Desktop, inferred") << QString();
    QTest::newRow("a system colour has no red, green and blue") << 2 << 2 << QString() << QString();
}

// A screen reader on a cell hears its text, or its colour in words, or what it
// was given to say; its tooltip as the description; and the fixed row's and
// column's texts as the cell's column and row.
void CellGridTest::screenReader_hearsEachCellWithItsRowAndColumn()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QString, name);
    QFETCH(QString, description);
    const QString texts[3][3] = {{"", "ITEM", "OLD COLOR"}, {"1", "<SurfaceArea>", ""}, {"2", "<Desktop>", ""}};
    CellGrid grid;
    grid.setCols(3);
    grid.setRows(3);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            grid.setRow(r);
            grid.setCol(c);
            grid.setText(texts[r][c]);
        }
    }
    grid.setCol(1);
    grid.setCellAccessibleText(QStringLiteral("Desktop, inferred"));
    grid.setCol(2);
    grid.setCellBackColor(0x80000005u); // the system's window colour
    grid.setRow(1);
    grid.setCellBackColor(0x000080FFu); // &H00BBGGRR: red 255, green 128, blue 0
    grid.setCellToolTip(QStringLiteral("Behind the mixer"));
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    QVERIFY(table != nullptr && table->tableInterface() != nullptr);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(row - 1, col - 1);
    QVERIFY(cell != nullptr && cell->tableCellInterface() != nullptr);
    QCOMPARE(cell->text(QAccessible::Name), name);
    QCOMPARE(cell->text(QAccessible::Description), description);
    const QList<QAccessibleInterface*> rowHeaders = cell->tableCellInterface()->rowHeaderCells();
    const QList<QAccessibleInterface*> colHeaders = cell->tableCellInterface()->columnHeaderCells();
    QCOMPARE(rowHeaders.size(), 1);
    QCOMPARE(colHeaders.size(), 1);
    QCOMPARE(rowHeaders[0]->text(QAccessible::Name), texts[row][0]);
    QCOMPARE(colHeaders[0]->text(QAccessible::Name), texts[0][col]);
    // Qt makes the header cells afresh for each question and keeps none: the asker deletes them.
    for (QAccessibleInterface* header : rowHeaders + colHeaders) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(header));
    }
}

QTEST_MAIN(CellGridTest)
#include "CellGridTest.moc"
