#include "components/CellGrid.h"

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

QTEST_MAIN(CellGridTest)
#include "CellGridTest.moc"
