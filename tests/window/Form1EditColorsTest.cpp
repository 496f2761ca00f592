#include "support/FormDriver.h"
#include "theme/ColorValue.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tintwright::ui;
using namespace tintwright::ui::testing;
using tintwright::theme::ColorTableRow;
using tintwright::theme::composeColor;
using tintwright::theme::kMenuBackground;

namespace {

// Four entries; the third is black in the file.
const QList<QColor> kColors = {QColor(10, 20, 30), QColor(40, 50, 60), QColor(0, 0, 0), QColor(70, 80, 90)};

ColorTableRow row(int r, int g, int b, int changed, int slot)
{
    return ColorTableRow {static_cast<std::int16_t>(slot), static_cast<std::int16_t>(r), static_cast<std::int16_t>(g),
                          static_cast<std::int16_t>(b), static_cast<std::int16_t>(changed)};
}

int slotOf(int entry)
{
    return 5 + 6 * (entry - 1);
}

} // namespace

class Form1EditColorsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pick_paintsSwatchMarksRowAndStoresColour();
    void pick_onSecondRow_movesMarker();
    void pick_twiceOnOneRow_keepsMarker();
    void pick_ofBlack_staysBlack();
    void pick_cancelled_changesNothing();
    void pick_startsFromLastChosenColour();
    void revert_ofNeverPickedRow_storesOldColourAsChange();
    void revert_ofMarkedRow_removesMarkerButKeepsMarkedRow();
    void revert_ofBlackEntry_restoresBlack();
    void pickThenRevert_showsGridBackgroundAndOldColour();
    void click_outsideColourColumns_doesNothing_data();
    void click_outsideColourColumns_doesNothing();
    void click_beforeAThemeIsLoaded_doesNothing();
    void keyboard_spaceOnNewColorCell_picksColour();

private:
    std::unique_ptr<FormDriver> m_driver;
    QTemporaryDir m_folder;
};

void Form1EditColorsTest::init()
{
    const QString path = m_folder.filePath("four.ask");
    writeFile(path, themeText(kColors));
    m_driver = std::make_unique<FormDriver>();
    m_driver->openTheme(path);
    QCOMPARE(m_driver->document().EntryCount, 4);
}

void Form1EditColorsTest::cleanup()
{
    QCOMPARE(m_driver->desktop.messages.size(), 0);
    m_driver.reset();
    verifyEverythingWasScripted();
}

void Form1EditColorsTest::pick_paintsSwatchMarksRowAndStoresColour()
{
    FormDriver& driver = *m_driver;
    driver.pick(3, QColor(153, 102, 51));
    CellGrid* grid = driver.grid();
    QCOMPARE(grid->backColorAt(3, cols::NewColor), composeColor(153, 102, 51));
    QCOMPARE(grid->textAt(3, cols::Marker), QStringLiteral("#"));
    QCOMPARE(grid->textAt(0, cols::Marker), QString());
    QCOMPARE(driver.document().MarkedRow, 3);
    QCOMPARE(driver.document().ColorTable[3], row(153, 102, 51, 1, slotOf(3)));
    QCOMPARE(driver.document().ColorTable[2], row(0, 0, 0, 0, slotOf(2)));
    QCOMPARE(grid->textAt(3, cols::Red), QStringLiteral("0")); // the file's values stay in view
    QCOMPARE(grid->backColorAt(3, cols::OldColor), 0u);
}

void Form1EditColorsTest::pick_onSecondRow_movesMarker()
{
    FormDriver& driver = *m_driver;
    driver.pick(3, QColor(1, 2, 3));
    driver.pick(1, QColor(4, 5, 6));
    QCOMPARE(driver.grid()->textAt(3, cols::Marker), QString());
    QCOMPARE(driver.grid()->textAt(1, cols::Marker), QStringLiteral("#"));
    QCOMPARE(driver.document().MarkedRow, 1);
    QCOMPARE(driver.document().ColorTable[3], row(1, 2, 3, 1, slotOf(3)));
    QCOMPARE(driver.document().ColorTable[1], row(4, 5, 6, 1, slotOf(1)));
}

void Form1EditColorsTest::pick_twiceOnOneRow_keepsMarker()
{
    FormDriver& driver = *m_driver;
    driver.pick(2, QColor(1, 2, 3));
    driver.pick(2, QColor(7, 8, 9));
    QCOMPARE(driver.grid()->textAt(2, cols::Marker), QStringLiteral("#"));
    QCOMPARE(driver.grid()->backColorAt(2, cols::NewColor), composeColor(7, 8, 9));
    QCOMPARE(driver.document().ColorTable[2], row(7, 8, 9, 1, slotOf(2)));
}

void Form1EditColorsTest::pick_ofBlack_staysBlack()
{
    FormDriver& driver = *m_driver;
    driver.pick(4, QColor(0, 0, 0));
    QCOMPARE(driver.grid()->backColorAt(4, cols::NewColor), 0u);
    QCOMPARE(driver.document().WorkColor, 0u);
    QCOMPARE(driver.document().ColorTable[4], row(0, 0, 0, 1, slotOf(4)));
}

void Form1EditColorsTest::pick_cancelled_changesNothing()
{
    FormDriver& driver = *m_driver;
    driver.pick(1, QColor(1, 2, 3));
    driver.pick(2, std::nullopt);
    QCOMPARE(driver.desktop.colorRequests.size(), 2);
    QCOMPARE(driver.grid()->backColorAt(2, cols::NewColor), kMenuBackground);
    QCOMPARE(driver.grid()->textAt(1, cols::Marker), QStringLiteral("#"));
    QCOMPARE(driver.document().MarkedRow, 1);
    QCOMPARE(driver.document().ColorTable[2], row(0, 0, 0, 0, slotOf(2)));
    QCOMPARE(driver.document().WorkColor, composeColor(1, 2, 3));
}

void Form1EditColorsTest::pick_startsFromLastChosenColour()
{
    FormDriver& driver = *m_driver;
    driver.pick(1, QColor(11, 22, 33));
    driver.pick(2, QColor(44, 55, 66));
    QCOMPARE(driver.desktop.colorRequests.at(1), QColor(11, 22, 33));
}

void Form1EditColorsTest::revert_ofNeverPickedRow_storesOldColourAsChange()
{
    FormDriver& driver = *m_driver;
    driver.revert(4);
    QCOMPARE(driver.desktop.colorRequests.size(), 0);
    QCOMPARE(driver.grid()->backColorAt(4, cols::NewColor), kMenuBackground);
    QCOMPARE(driver.grid()->textAt(4, cols::Marker), QString());
    QCOMPARE(driver.document().ColorTable[4], row(70, 80, 90, 1, slotOf(4)));
    QCOMPARE(driver.document().MarkedRow, 0);
}

void Form1EditColorsTest::revert_ofMarkedRow_removesMarkerButKeepsMarkedRow()
{
    FormDriver& driver = *m_driver;
    driver.pick(2, QColor(1, 2, 3));
    driver.revert(2);
    QCOMPARE(driver.grid()->textAt(2, cols::Marker), QString());
    QCOMPARE(driver.document().MarkedRow, 2);
    QCOMPARE(driver.document().ColorTable[2], row(40, 50, 60, 1, slotOf(2)));

    driver.pick(1, QColor(4, 5, 6));
    QCOMPARE(driver.grid()->textAt(2, cols::Marker), QString());
    QCOMPARE(driver.grid()->textAt(1, cols::Marker), QStringLiteral("#"));
}

void Form1EditColorsTest::revert_ofBlackEntry_restoresBlack()
{
    FormDriver& driver = *m_driver;
    driver.revert(3);
    QCOMPARE(driver.document().ColorTable[3], row(0, 0, 0, 1, slotOf(3)));
}

void Form1EditColorsTest::pickThenRevert_showsGridBackgroundAndOldColour()
{
    FormDriver& driver = *m_driver;
    driver.pick(1, QColor(200, 100, 50));
    driver.revert(1);
    QCOMPARE(driver.grid()->backColorAt(1, cols::NewColor), kMenuBackground);
    QCOMPARE(driver.document().ColorTable[1], row(10, 20, 30, 1, slotOf(1)));
}

void Form1EditColorsTest::click_outsideColourColumns_doesNothing_data()
{
    QTest::addColumn<int>("col");
    QTest::newRow("item") << 1;
    QTest::newRow("red") << 2;
    QTest::newRow("green") << 3;
    QTest::newRow("blue") << 4;
    QTest::newRow("marker") << 7;
}

void Form1EditColorsTest::click_outsideColourColumns_doesNothing()
{
    QFETCH(int, col);
    FormDriver& driver = *m_driver;
    driver.desktop.answerColor(QColor(1, 2, 3));
    driver.clickCell(2, col);
    QCOMPARE(driver.desktop.colorRequests.size(), 0);
    QCOMPARE(driver.grid()->backColorAt(2, cols::NewColor), kMenuBackground);
    QCOMPARE(driver.grid()->textAt(2, cols::Marker), QString());
    QCOMPARE(driver.document().ColorTable[2], row(0, 0, 0, 0, slotOf(2)));
}

void Form1EditColorsTest::click_beforeAThemeIsLoaded_doesNothing()
{
    FormDriver fresh;
    fresh.desktop.answerColor(QColor(1, 2, 3));
    fresh.clickCell(3, cols::NewColor);
    fresh.clickCell(3, cols::OldColor);
    QCOMPARE(fresh.desktop.colorRequests.size(), 0);
    QCOMPARE(fresh.grid()->backColorAt(3, cols::NewColor), kMenuBackground);
    QCOMPARE(fresh.document().ColorTable[3], row(0, 0, 0, 0, 0));
}

void Form1EditColorsTest::keyboard_spaceOnNewColorCell_picksColour()
{
    FormDriver& driver = *m_driver;
    CellGrid* grid = driver.grid();
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(1, 5)); // row 2, NEW COLOR
    driver.desktop.answerColor(QColor(9, 9, 9));
    QTest::keyClick(grid, Qt::Key_Space);
    QCOMPARE(driver.document().ColorTable[2], row(9, 9, 9, 1, slotOf(2)));
    driver.desktop.answerColor(QColor(8, 8, 8));
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(driver.document().ColorTable[2], row(8, 8, 8, 1, slotOf(2)));
}

QTEST_MAIN(Form1EditColorsTest)
#include "Form1EditColorsTest.moc"
