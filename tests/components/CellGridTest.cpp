#include "components/CellGrid.h"

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

QTEST_MAIN(CellGridTest)
#include "CellGridTest.moc"
