#include "support/FormDriver.h"
#include "theme/ColorValue.h"
#include "window/PathLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace tintwright::ui;
using namespace tintwright::ui::testing;
using tintwright::theme::composeColor;

namespace {

const QString kMidnight = QStringLiteral(TINTWRIGHT_SAMPLES "/Midnight.ask");

// The state a window starts in, which a failed load must leave untouched.
void verifyStartUpState(const FormDriver& driver)
{
    CellGrid* grid = driver.grid();
    QCOMPARE(grid->rows(), 170);
    QCOMPARE(grid->textAt(1, cols::Number), QStringLiteral("1"));
    QCOMPARE(grid->textAt(99, cols::Number), QStringLiteral("99"));
    QCOMPARE(grid->textAt(100, cols::Number), QString());
    for (int row = 1; row < 170; ++row) {
        QCOMPARE(grid->textAt(row, cols::Item), QString());
        QCOMPARE(grid->backColorAt(row, cols::OldColor), tintwright::theme::kMenuBackground);
    }
    QVERIFY(driver.button("okopendatei")->isEnabled());
    QVERIFY(!driver.button("oksave")->isEnabled());
    QCOMPARE(driver.label("Label2")->text(), QString());
    QVERIFY(!driver.document().ThemeLoaded);
    QCOMPARE(driver.document().LineCount, 0);
    QCOMPARE(driver.document().EntryCount, 0);
    QVERIFY(driver.document().ThemeTitle.empty());
}

QByteArray lines(int count, const QByteArray& line)
{
    QByteArray text;
    for (int i = 0; i < count; ++i) {
        text += line + "\r\n";
    }
    return text;
}

QList<QColor> ramp(int count)
{
    QList<QColor> colors;
    for (int i = 0; i < count; ++i) {
        colors << QColor(i % 256, (3 * i) % 256, (7 * i) % 256);
    }
    return colors;
}

} // namespace

class Form1OpenThemeTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { verifyEverythingWasScripted(); }

    void openTheme_listsEveryEntryExactly();
    void openThemeFile_asGivenOnTheCommandLine_readsItAsTheDialogWould();
    void pathLabel_showsAPathWholeWhereASmallerFontHoldsIt_data();
    void pathLabel_showsAPathWholeWhereASmallerFontHoldsIt();
    void openTheme_switchesButtonsAndShowsPath();
    void openTheme_asksWithTitleAndFilter();
    void openTheme_proposesSaveName_data();
    void openTheme_proposesSaveName();
    void openTheme_withIndentationCommasAndOddLineEnds_listsEntries();
    void openTheme_elementNames_showAsTheirAuthorsWroteThem();
    void openTheme_with169Entries_listsAllAndKeeps170Rows();
    void openTheme_withoutEntries_isRefusedAndAnotherCanBeOpened();
    void openTheme_cancelled_changesNothingAndSaysNothing();
    void openTheme_notATheme_showsWrongFormatMessage_data();
    void openTheme_notATheme_showsWrongFormatMessage();
    void openTheme_failure_showsMessageAndLeavesStartUpState_data();
    void openTheme_failure_showsMessageAndLeavesStartUpState();
    void openTheme_afterFailure_loadsNextThemeCleanly();
    void openedTheme_isFoundByKeyboardPointerAndScreenReader_data();
    void openedTheme_isFoundByKeyboardPointerAndScreenReader();
};

void Form1OpenThemeTest::openTheme_listsEveryEntryExactly()
{
    FormDriver driver;
    driver.openTheme(kMidnight);
    QCOMPARE(driver.desktop.messages.size(), 0);

    // Every "<R Value" line of the file is an entry; check each row against the file itself.
    QFile file(kMidnight);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> fileLines = file.readAll().split('\n');
    CellGrid* grid = driver.grid();
    int row = 0;
    for (int i = 0; i < fileLines.size(); ++i) {
        const QByteArray line = fileLines[i].trimmed();
        if (!line.startsWith("<R Value")) {
            continue;
        }
        ++row;
        const auto value = [&](int at) { return fileLines[at].trimmed().mid(10).split('"').first(); };
        QCOMPARE(grid->textAt(row, cols::Number), QString::number(row));
        QCOMPARE(grid->textAt(row, cols::Item), QString::fromUtf8(fileLines[i - 1].trimmed()));
        QCOMPARE(grid->textAt(row, cols::Red), QString::fromUtf8(value(i)));
        QCOMPARE(grid->textAt(row, cols::Green), QString::fromUtf8(value(i + 1)));
        QCOMPARE(grid->textAt(row, cols::Blue), QString::fromUtf8(value(i + 2)));
        QCOMPARE(grid->backColorAt(row, cols::OldColor),
                 composeColor(value(i).toInt(), value(i + 1).toInt(), value(i + 2).toInt()));
        QCOMPARE(grid->backColorAt(row, cols::NewColor), tintwright::theme::kMenuBackground);
        QCOMPARE(grid->textAt(row, cols::Marker), QString());
        QCOMPARE(driver.document().ColorTable[row][tintwright::theme::ColorTableColumn::RecordSlot], i + 1);
    }
    QCOMPARE(row, 130);
    QCOMPARE(grid->rows(), 131);
    QCOMPARE(driver.document().EntryCount, 130);
    QCOMPARE(driver.document().LineCount, 794);
    QVERIFY(driver.document().ThemeLoaded);
    QCOMPARE(grid->textAt(7, cols::Item), QStringLiteral("<Desktop>"));
    QCOMPARE(grid->backColorAt(7, cols::OldColor), 0u); // black stays black
}

void Form1OpenThemeTest::openTheme_switchesButtonsAndShowsPath()
{
    FormDriver driver;
    driver.openTheme(kMidnight);
    QVERIFY(!driver.button("okopendatei")->isEnabled());
    QVERIFY(driver.button("oksave")->isEnabled());
    QVERIFY(!driver.button("okquick")->isEnabled());
    QCOMPARE(driver.label("Label2")->text(), kMidnight);
    QCOMPARE(driver.document().ThemeTitle, std::string("Midnight.ask"));
}

void Form1OpenThemeTest::openTheme_asksWithTitleAndFilter()
{
    FormDriver driver;
    driver.openTheme(kMidnight);
    QCOMPARE(driver.desktop.openRequests.size(), 1);
    const FileRequest& request = driver.desktop.openRequests.first();
    QCOMPARE(request.title, QStringLiteral("Select Ableton Theme File to Edit "));
    QCOMPARE(request.nameFilters, QStringList {QStringLiteral("Files (*.ask)")});
}

void Form1OpenThemeTest::openTheme_proposesSaveName_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("proposedName");
    QTest::addColumn<bool>("hasMyPrefix");
    QTest::newRow("plain title gets my") << "Dark.ask"
                                         << "myDark.ask" << false;
    QTest::newRow("my title proposes itself") << "myTheme.ask"
                                              << "myTheme.ask" << true;
    QTest::newRow("My is not my") << "MyTheme.ask"
                                  << "myMyTheme.ask" << false;
}

void Form1OpenThemeTest::openTheme_proposesSaveName()
{
    QFETCH(QString, title);
    QFETCH(QString, proposedName);
    QFETCH(bool, hasMyPrefix);
    QTemporaryDir folder;
    const QString path = folder.filePath(title);
    writeFile(path, fileBytes(kMidnight));

    FormDriver driver;
    driver.openTheme(path);
    QCOMPARE(driver.document().HasMyPrefix, hasMyPrefix);

    driver.desktop.answerSave(std::nullopt);
    driver.click("oksave");
    QCOMPARE(driver.desktop.saveRequests.size(), 1);
    QCOMPARE(driver.desktop.saveRequests.first().proposedPath, folder.filePath(proposedName));
}

void Form1OpenThemeTest::openTheme_withIndentationCommasAndOddLineEnds_listsEntries()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("odd.ask");
    writeFile(path,
              "<?xml?>\r<Ableton>\n  <SkinManager>\r\n \t <ControlForeground>  \r\n"
              "<Info Value=\"dark, calm\" />\n"
              "<Plain>\r\t<R Value=\"300\" />\r\n  <G Value=\"-5\" />\n<B Value=\"7\"/>");
    FormDriver driver;
    driver.openTheme(path);
    QCOMPARE(driver.desktop.messages.size(), 0);
    CellGrid* grid = driver.grid();
    QCOMPARE(grid->rows(), 2);
    QCOMPARE(grid->textAt(1, cols::Item), QStringLiteral("<Plain>"));
    QCOMPARE(grid->textAt(1, cols::Red), QStringLiteral("300"));
    QCOMPARE(grid->textAt(1, cols::Green), QStringLiteral("-5"));
    QCOMPARE(grid->textAt(1, cols::Blue), QStringLiteral("7"));
    QCOMPARE(grid->backColorAt(1, cols::OldColor), composeColor(255, 0, 7));
    QCOMPARE(driver.document().ThemeLines[5], std::string("<Info Value=\"dark, calm\" />"));
    QCOMPARE(driver.document().LineCount, 9);
}

// An 8-bit name shows as Windows-1252, a UTF-8 name as UTF-8, and both are saved back byte for byte.
void Form1OpenThemeTest::openTheme_elementNames_showAsTheirAuthorsWroteThem()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Names.ask"));
    const QByteArray text =
        themeText({Qt::black, Qt::red, Qt::blue}).replace("Element2", "Gr\xFCn").replace("Element3", "Ros\xC3\xA9");
    writeFile(path, text);
    FormDriver driver;
    driver.openTheme(path);
    QCOMPARE(driver.grid()->textAt(2, cols::Item), QStringLiteral("<Gr\u00FCn>"));
    QCOMPARE(driver.grid()->textAt(3, cols::Item), QStringLiteral("<Ros\u00E9>"));

    driver.saveAs(folder.filePath(QStringLiteral("myNames.ask")));
    const QByteArray saved = fileBytes(folder.filePath(QStringLiteral("myNames.ask")));
    QVERIFY(saved.contains("\r\n<Gr\xFCn>\r\n"));
    QVERIFY(saved.contains("\r\n<Ros\xC3\xA9>\r\n"));
}

void Form1OpenThemeTest::openTheme_with169Entries_listsAllAndKeeps170Rows()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("full.ask");
    writeFile(path, themeText(ramp(169)));
    FormDriver driver;
    driver.openTheme(path);
    QCOMPARE(driver.desktop.messages.size(), 0);
    QCOMPARE(driver.grid()->rows(), 170);
    QCOMPARE(driver.grid()->textAt(169, cols::Number), QStringLiteral("169"));
    QCOMPARE(driver.grid()->textAt(169, cols::Red), QString::number(168));
}

void Form1OpenThemeTest::openTheme_withoutEntries_isRefusedAndAnotherCanBeOpened()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("empty.ask");
    writeFile(path, "a\r\nb\r\nc\r\n<ControlForeground>\r\n</ControlForeground>\r\n");
    FormDriver driver;
    driver.openTheme(path);
    QCOMPARE(driver.desktop.messages.size(), 1);
    QVERIFY(driver.desktop.messages[0].text.contains("The file holds no colour entries"));
    QCOMPARE(driver.grid()->rows(), 170);
    QVERIFY(!driver.document().ThemeLoaded);
    QVERIFY(driver.button("okopendatei")->isEnabled());
    QVERIFY(!driver.button("oksave")->isEnabled());
    driver.openTheme(kMidnight);
    QCOMPARE(driver.document().EntryCount, 130);
    QCOMPARE(driver.document().LineCount, 794);
}

void Form1OpenThemeTest::openTheme_cancelled_changesNothingAndSaysNothing()
{
    FormDriver driver;
    driver.openTheme(QString()); // nothing chosen
    driver.desktop.answerOpen(std::nullopt);
    driver.click("okopendatei");
    QCOMPARE(driver.desktop.openRequests.size(), 2);
    QCOMPARE(driver.desktop.messages.size(), 0);
    verifyStartUpState(driver);
}

void Form1OpenThemeTest::openTheme_notATheme_showsWrongFormatMessage_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("other fourth line") << QByteArray("a\r\nb\r\nc\r\n<TextDisabled>\r\n<R Value=\"1\" />\r\n");
    QTest::newRow("other case") << QByteArray("a\r\nb\r\nc\r\n<controlforeground>\r\n");
    QTest::newRow("three lines") << QByteArray("a\r\nb\r\n<ControlForeground>\r\n");
    QTest::newRow("empty file") << QByteArray();
}

void Form1OpenThemeTest::openTheme_notATheme_showsWrongFormatMessage()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir folder;
    const QString path = folder.filePath("foreign.ask");
    writeFile(path, contents);
    FormDriver driver;
    driver.openTheme(path);
    QCOMPARE(driver.desktop.messages.size(), 1);
    const MessageRequest& message = driver.desktop.messages.first();
    QCOMPARE(message.text, QStringLiteral(" Wrong file format, this is not an Live 10 Theme Skin!"));
    QCOMPARE(message.title, QStringLiteral(" Error! "));
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    verifyStartUpState(driver);
}

void Form1OpenThemeTest::openTheme_failure_showsMessageAndLeavesStartUpState_data()
{
    QTest::addColumn<QByteArray>("contents"); // empty: the path names a folder
    QTest::addColumn<QString>("reason");
    const QByteArray head = "a\r\nb\r\nc\r\n<ControlForeground>\r\n";
    QTest::newRow("letter in a value") << head + "<R Value=\"1\" />\r\n<G Value=\"x\" />\r\n<B Value=\"3\" />\r\n"
                                       << "Line 6: the G value \"x\" is not a number.";
    QTest::newRow("R line at the end") << head + "<R Value=\"1\" />\r\n"
                                       << "Line 5: the R line of a colour entry has no G and B lines after it.";
    QTest::newRow("1201 lines") << head + lines(1197, "<X />") << "Line 1201: the theme has more than 1200 lines.";
    QTest::newRow("170 entries") << themeText(ramp(170))
                                 << "Line 1019: the theme has more than 169 colour entries; at most 169 can be listed.";
    QTest::newRow("line over 64 KiB") << head + QByteArray(70000, 'x')
                                      << "Line 5: the line is longer than 64 KiB; this is not a theme text.";
    QTest::newRow("folder") << QByteArray() << "This is a folder, not a theme file.";
}

void Form1OpenThemeTest::openTheme_failure_showsMessageAndLeavesStartUpState()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath("broken.ask");
    if (contents.isEmpty()) {
        QVERIFY(QDir(folder.path()).mkdir("broken.ask"));
    } else {
        writeFile(path, contents);
    }
    FormDriver driver;
    driver.openTheme(path);
    QCOMPARE(driver.desktop.messages.size(), 1);
    const MessageRequest& message = driver.desktop.messages.first();
    QCOMPARE(message.title, QStringLiteral(" Error! "));
    QCOMPARE(message.text, QStringLiteral("The theme could not be opened.\n\n%1\n\n%2").arg(path, reason));
    verifyStartUpState(driver);
}

void Form1OpenThemeTest::openTheme_afterFailure_loadsNextThemeCleanly()
{
    QTemporaryDir folder;
    const QString missing = folder.filePath("gone.ask");
    FormDriver driver;
    driver.openTheme(missing);
    QCOMPARE(driver.desktop.messages.size(), 1);
    QCOMPARE(driver.desktop.messages.first().text,
             QStringLiteral("The theme could not be opened.\n\n%1\n\nThe file cannot be opened: No such file or "
                            "directory.")
                 .arg(missing));

    driver.openTheme(kMidnight);
    QCOMPARE(driver.desktop.messages.size(), 1);
    QCOMPARE(driver.document().EntryCount, 130);
    QCOMPARE(driver.document().ColorTable[1][tintwright::theme::ColorTableColumn::RecordSlot], 5);
    QCOMPARE(driver.grid()->rows(), 131);
}

void Form1OpenThemeTest::openThemeFile_asGivenOnTheCommandLine_readsItAsTheDialogWould()
{
    FormDriver driver;
    driver.form->openThemeFile(kMidnight);
    QCOMPARE(driver.grid()->rows(), 131);
    QVERIFY(!driver.button("okopendatei")->isEnabled());
    QVERIFY(driver.button("oksave")->isEnabled());
    QCOMPARE(driver.label("Label2")->text(), QFileInfo(kMidnight).absoluteFilePath());
    QVERIFY(driver.desktop.openRequests.isEmpty());
    // Save Theme starts in the theme's folder, wherever the program was started.
    driver.saveAs(std::nullopt);
    QCOMPARE(driver.desktop.saveRequests.at(0).proposedPath,
             QFileInfo(kMidnight).absoluteDir().filePath(QStringLiteral("myMidnight.ask")));

    FormDriver refused;
    refused.form->openThemeFile(QStringLiteral(TINTWRIGHT_SAMPLES "/../README.md"));
    QCOMPARE(refused.desktop.messages.size(), 1);
    QCOMPARE(refused.desktop.messages[0].text,
             QStringLiteral(" Wrong file format, this is not an Live 10 Theme Skin!"));
    QVERIFY(refused.button("okopendatei")->isEnabled());
}

void Form1OpenThemeTest::pathLabel_showsAPathWholeWhereASmallerFontHoldsIt_data()
{
    QTest::addColumn<qreal>("length"); // the path's width at the label's font, in label widths
    QTest::addColumn<bool>("whole");
    QTest::addColumn<bool>("smaller");
    QTest::newRow("fits") << 0.9 << true << false;
    QTest::newRow("a little too long: whole, smaller") << 1.1 << true << true;
    QTest::newRow("far too long: its start goes") << 2.0 << false << true;
}

void Form1OpenThemeTest::pathLabel_showsAPathWholeWhereASmallerFontHoldsIt()
{
    QFETCH(qreal, length);
    QFETCH(bool, whole);
    QFETCH(bool, smaller);
    FormDriver driver;
    auto* label = driver.form->findChild<tintwright::ui::PathLabel*>(QStringLiteral("Label2"));
    QVERIFY(label);
    const QFontMetrics metrics(label->font());
    QString path = QStringLiteral("/Midnight.ask");
    while (metrics.horizontalAdvance(QStringLiteral("/Themes") + path) <= label->contentsRect().width() * length) {
        path.prepend(QStringLiteral("/Themes"));
    }
    label->setPath(path);
    QCOMPARE(label->shownText() == path, whole);
    QVERIFY(label->shownText().endsWith(QStringLiteral("/Midnight.ask")));
    QCOMPARE(label->shownFont().pointSizeF() < label->font().pointSizeF(), smaller);
}

QTEST_MAIN(Form1OpenThemeTest)
#include "Form1OpenThemeTest.moc"

void Form1OpenThemeTest::openedTheme_isFoundByKeyboardPointerAndScreenReader_data()
{
    QTest::addColumn<QString>("expected");
    QTest::newRow("focus is back on the grid") << "Tabelle2";
    QTest::newRow("Label2's tooltip is the whole path") << "PATH";
    QTest::newRow("German flag's name") << "German help document";
    QTest::newRow("English flag's name") << "English help document";
    QTest::newRow("grid's name") << "Colour entries";
    QTest::newRow("OLD COLOR swatch tells its colour") << "R 31 G 64 B 97";
    QTest::newRow("NEW COLOR swatch's tooltip tells the colour picked") << "R 1 G 2 B 3";
    QTest::newRow("reverted NEW COLOR swatch shows no colour") << "no new colour";
    QTest::newRow("marker column reads changed") << "changed";
    QTest::newRow("hidden label has no name") << "";
}

void Form1OpenThemeTest::openedTheme_isFoundByKeyboardPointerAndScreenReader()
{
    QFETCH(QString, expected);
    QTemporaryDir folder;
    const QString deep = folder.filePath(QStringLiteral("Ableton/Live 10 Suite/Resources/Themes/Work in progress"));
    QVERIFY(QDir().mkpath(deep));
    const QString path = deep + QStringLiteral("/Midnight.ask");
    QVERIFY(QFile::copy(kMidnight, path));

    FormDriver driver;
    QApplication::setActiveWindow(driver.form.get());
    // As a keyboard user opens a theme: the button has the focus when it disables itself.
    driver.button("okopendatei")->setFocus();
    driver.desktop.answerOpen(path);
    QTest::keyClick(driver.button("okopendatei"), Qt::Key_Space);
    const QString focusAfterOpening = QApplication::focusWidget()->objectName();
    driver.pick(3, QColor(1, 2, 3));
    driver.pick(4, QColor(4, 5, 6));
    driver.revert(4);
    driver.pick(5, QColor(7, 8, 9));
    const QAbstractItemModel* cells = driver.grid()->model();

    const QMap<QString, std::function<QString()>> actual = {
        {"focus is back on the grid", [&] { return focusAfterOpening; }},
        {"Label2's tooltip is the whole path", [&] { return driver.label("Label2")->toolTip(); }},
        {"German flag's name", [&] { return driver.button("okhelpgerman")->accessibleName(); }},
        {"English flag's name", [&] { return driver.button("okhelpenglish")->accessibleName(); }},
        {"grid's name", [&] { return driver.grid()->accessibleName(); }},
        {"OLD COLOR swatch tells its colour",
         [&] { return cells->index(5, 4).data(Qt::AccessibleTextRole).toString(); }},
        {"NEW COLOR swatch's tooltip tells the colour picked",
         [&] { return cells->index(2, 5).data(Qt::ToolTipRole).toString(); }},
        {"reverted NEW COLOR swatch shows no colour",
         [&] { return cells->index(3, 5).data(Qt::AccessibleTextRole).toString(); }},
        {"marker column reads changed", [&] { return cells->index(4, 6).data(Qt::AccessibleTextRole).toString(); }},
        {"hidden label has no name",
         [&] {
             return QAccessible::queryAccessibleInterface(driver.label("Label3"))->text(QAccessible::Name)
                 + QAccessible::queryAccessibleInterface(driver.label("Label4"))->text(QAccessible::Name);
         }},
    };
    QCOMPARE(actual[QTest::currentDataTag()](), expected == QLatin1String("PATH") ? path : expected);
}
