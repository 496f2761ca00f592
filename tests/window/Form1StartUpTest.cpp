#include "support/FormDriver.h"
#include "theme/ColorValue.h"
#include "window/Application.h"

#include <QApplication>
#include <QHeaderView>
#include <QStyle>
#include <QTest>

using namespace tintwright::ui;
using namespace tintwright::ui::testing;

class Form1StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { verifyEverythingWasScripted(); }

    void window_hasFixedClientAreaOf848By824();
    void style_isWindowsOwnOnWindowsAndFusionElsewhere();
    void icon_isOneImageOf192Pixels();
    void controls_standWhereTheLayoutPutsThem_data();
    void controls_standWhereTheLayoutPutsThem();
    void tooltips_areVerbatim_data();
    void tooltips_areVerbatim();
    void buttons_haveTheirStartUpStates();
    void disabledSaveButtons_stillExplainThemselves_data();
    void disabledSaveButtons_stillExplainThemselves();
    void grid_isPreparedWithHeadersAndNumbers();
    void document_isEmpty();
    void tab_movesThroughGridAndEnabledButtonsInOrder();
};

void Form1StartUpTest::window_hasFixedClientAreaOf848By824()
{
    FormDriver driver;
    QVERIFY(driver.exposed);
    QCOMPARE(driver.form->size(), QSize(848, 824));
    QCOMPARE(driver.form->minimumSize(), QSize(848, 824));
    QCOMPARE(driver.form->maximumSize(), QSize(848, 824));
    QCOMPARE(driver.form->objectName(), QStringLiteral("Form1"));
}

// A window system asks for every size an icon offers; the icon offers its one
// image, drawn once however often it is asked for.
void Form1StartUpTest::icon_isOneImageOf192Pixels()
{
    FormDriver driver;
    const QIcon icon = driver.form->windowIcon();
    QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(192, 192)}));
    const QImage picture = icon.pixmap(QSize(192, 192)).toImage();
    QCOMPARE(picture.size(), QSize(192, 192));
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0); // transparent ground
    QCOMPARE(qAlpha(picture.pixel(96, 130)), 255); // inside the red hexagon
    QCOMPARE(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
}

void Form1StartUpTest::controls_standWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    // Twips divided by 15.
    QTest::newRow("grid") << "Tabelle2" << QRect(40, 72, 617, 695);
    QTest::newRow("open") << "okopendatei" << QRect(700, 120, 105, 49);
    QTest::newRow("colour table") << "okcolor" << QRect(696, 408, 105, 49);
    QTest::newRow("title") << "Label1" << QRect(152, 24, 353, 33);
    QTest::newRow("exit") << "okende" << QRect(696, 664, 105, 49);
    QTest::newRow("save") << "oksave" << QRect(700, 200, 105, 49);
    QTest::newRow("german help") << "okhelpgerman" << QRect(696, 536, 105, 33);
    QTest::newRow("path") << "Label2" << QRect(536, 28, 296, 20);
    QTest::newRow("quick save") << "okquick" << QRect(700, 280, 105, 49);
    QTest::newRow("english help") << "okhelpenglish" << QRect(696, 584, 105, 33);
    QTest::newRow("label under quick save") << "Label3" << QRect(710, 288, 89, 33);
    QTest::newRow("label under save") << "Label4" << QRect(712, 208, 81, 33);
}

void Form1StartUpTest::controls_standWhereTheLayoutPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    FormDriver driver;
    auto* control = driver.form->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
}

void Form1StartUpTest::tooltips_areVerbatim_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");
    QTest::newRow("open") << "okopendatei"
                          << " Choose your Theme File (.ask) for editing in \\Abletons install "
                             "directory\\Resources\\Themes \\ ";
    const QString saveTip = " Save your modified Theme File .ask in Abletons install directory\\Resources\\Themes   "
                            "Important! - check the new given name for the file   ";
    QTest::newRow("save") << "oksave" << saveTip;
    QTest::newRow("label under save") << "Label4" << saveTip;
    QTest::newRow("quick save")
        << "okquick"
        << " Save without any questions - works only after a regular save with \"Save Theme\"  button  ";
    QTest::newRow("label under quick save")
        << "Label3"
        << "  Save without any questions - works only after a regular save with \"Save Theme\"  button  ";
    QTest::newRow("colour table") << "okcolor"
                                  << " You can choose all your needed colors before begining ";
    QTest::newRow("exit") << "okende"
                          << " Exit the program, save your changes before! ";
    QTest::newRow("german help") << "okhelpgerman"
                                 << "German  help document ";
    QTest::newRow("english help") << "okhelpenglish"
                                  << " English help document ";
}

void Form1StartUpTest::tooltips_areVerbatim()
{
    QFETCH(QString, name);
    QFETCH(QString, tip);
    FormDriver driver;
    auto* control = driver.form->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->toolTip(), tip);
}

void Form1StartUpTest::buttons_haveTheirStartUpStates()
{
    FormDriver driver;
    const QList<QPair<const char*, QString>> captions = {
        {"okopendatei", "OpenTheme"}, {"oksave", "Save Theme"}, {"okquick", "Quick Save"}, {"okcolor", "Color Table"},
        {"okende", "Exit"},           {"okhelpgerman", ""},     {"okhelpenglish", ""}};
    for (const auto& [name, caption] : captions) {
        QVERIFY2(driver.button(name), name);
        QCOMPARE(driver.button(name)->text(), caption);
        const bool enabled = QByteArray(name) != "oksave" && QByteArray(name) != "okquick";
        QCOMPARE(driver.button(name)->isEnabled(), enabled);
    }
    QCOMPARE(driver.label("Label1")->text(), QStringLiteral("- Ableton Live 10 / Tintwright -"));
    QCOMPARE(driver.label("Label2")->text(), QString());
}

void Form1StartUpTest::disabledSaveButtons_stillExplainThemselves_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("label");
    QTest::newRow("save") << "oksave"
                          << "Label4";
    QTest::newRow("quick save") << "okquick"
                                << "Label3";
}

void Form1StartUpTest::disabledSaveButtons_stillExplainThemselves()
{
    QFETCH(QString, button);
    QFETCH(QString, label);
    FormDriver driver;
    auto* saveButton = driver.form->findChild<QWidget*>(button);
    const QPoint centre = saveButton->geometry().center();

    QWidget* pointedAt = driver.form->childAt(centre);
    QCOMPARE(pointedAt->objectName(), label);
    QVERIFY(!pointedAt->toolTip().isEmpty());

    saveButton->setEnabled(true);
    QCOMPARE(driver.form->childAt(centre), saveButton);
}

void Form1StartUpTest::grid_isPreparedWithHeadersAndNumbers()
{
    FormDriver driver;
    CellGrid* grid = driver.grid();
    QCOMPARE(grid->rows(), 170);
    QCOMPARE(grid->cols(), 8);

    const QStringList headers = {"NBR", "ITEM", "R", "G", "B", "OLD COLOR", "NEW COLOR", ""};
    for (int col = 0; col < 8; ++col) {
        QCOMPARE(grid->textAt(0, col), headers[col]);
    }
    QCOMPARE(grid->foreColorAt(0, cols::Red), 0x000000FFu);
    QCOMPARE(grid->foreColorAt(0, cols::Green), 0x0000FF00u);
    QCOMPARE(grid->foreColorAt(0, cols::Blue), 0x00FF0000u);
    QCOMPARE(grid->foreColorAt(0, cols::Item), 0x00404040u);

    for (int row = 1; row < 170; ++row) {
        QCOMPARE(grid->textAt(row, cols::Number), row <= 99 ? QString::number(row) : QString());
        QCOMPARE(grid->backColorAt(row, cols::OldColor), tintwright::theme::kMenuBackground);
        QCOMPARE(grid->backColorAt(row, cols::NewColor), tintwright::theme::kMenuBackground);
    }

    const QList<int> widths = {33, 240, 40, 40, 40, 87, 87, 27};
    QCOMPARE(grid->verticalHeader()->width(), widths[0]);
    for (int col = 1; col < 8; ++col) {
        QCOMPARE(grid->columnWidth(col - 1), widths[col]);
    }
}

void Form1StartUpTest::document_isEmpty()
{
    FormDriver driver;
    const auto& document = driver.document();
    QVERIFY(!document.ThemeLoaded);
    QCOMPARE(document.LineCount, 0);
    QCOMPARE(document.EntryCount, 0);
    QCOMPARE(document.MarkedRow, 0);
    QVERIFY(document.SavedPath.empty());
}

void Form1StartUpTest::tab_movesThroughGridAndEnabledButtonsInOrder()
{
    FormDriver driver;
    QApplication::setActiveWindow(driver.form.get());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(driver.grid()));

    QStringList order;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, QStringList({"okopendatei", "okcolor", "okende", "okhelpgerman", "okhelpenglish", "Tabelle2"}));
}

// The program starts in Windows' own look where the Windows style plugin
// travels with it, as it does in the Windows folder and installer.
void Form1StartUpTest::style_isWindowsOwnOnWindowsAndFusionElsewhere()
{
    prepareApplication();
#ifdef Q_OS_WIN
    QCOMPARE(QApplication::style()->name(), QStringLiteral("windowsvista"));
#else
    QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
#endif
}

QTEST_MAIN(Form1StartUpTest)
#include "Form1StartUpTest.moc"
