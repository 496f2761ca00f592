#include "support/FormDriver.h"

#include <QAction>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace tintwright::ui;
using namespace tintwright::ui::testing;

namespace {

const QString kMidnight = QStringLiteral(TINTWRIGHT_SAMPLES "/Midnight.ask");

void verifyExitQuestion(const MessageRequest& message)
{
    QCOMPARE(message.text,
             QStringLiteral("WARNING!  PROGRAM MAY EXIT WITHOUT SAVING YOUR MODIFICATIONS !! For saving "
                            "press Button  *Save Theme*  "));
    QCOMPARE(message.title, QStringLiteral(" EXIT Program"));
    QCOMPARE(message.icon, MessageIcon::Question);
    QCOMPARE(message.buttons, MessageButtons::OkCancel);
}

} // namespace

class Form1CommandsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { verifyEverythingWasScripted(); }

    void colorTable_choiceIsWhereTheNextPickStarts();
    void colorTable_changesNothingInTheTheme();
    void colorTable_cancelledAfterAPick_isQuiet();
    void exit_withCancel_keepsThemeAndEdits();
    void exit_withOk_closesWithoutWritingAFile();
    void exit_beforeAnyTheme_asksTheSameQuestion();
    void frameClose_asksOnlyWhileSomethingIsUnsaved();
    void frameClose_discardClosesWithoutWriting();
    void helpButtons_openTheirDocumentsBesideTheProgram_data();
    void helpButtons_openTheirDocumentsBesideTheProgram();
};

void Form1CommandsTest::colorTable_choiceIsWhereTheNextPickStarts()
{
    FormDriver driver;
    driver.openTheme(kMidnight);
    driver.desktop.answerColor(QColor(12, 34, 56));
    driver.click("okcolor");
    driver.pick(4, QColor(1, 2, 3));
    QCOMPARE(driver.desktop.colorRequests.size(), 2);
    QCOMPARE(driver.desktop.colorRequests.at(1), QColor(12, 34, 56));
}

void Form1CommandsTest::colorTable_changesNothingInTheTheme()
{
    FormDriver driver;
    driver.openTheme(kMidnight);
    const auto before = driver.document().ColorTable;
    driver.desktop.answerColor(QColor(255, 0, 0));
    driver.click("okcolor");
    QCOMPARE(driver.document().ColorTable, before);
    QCOMPARE(driver.document().MarkedRow, 0);
    for (int row = 1; row < driver.grid()->rows(); ++row) {
        QCOMPARE(driver.grid()->backColorAt(row, cols::NewColor), tintwright::theme::kMenuBackground);
        QCOMPARE(driver.grid()->textAt(row, cols::Marker), QString());
    }
    QCOMPARE(driver.desktop.messages.size(), 0);
}

void Form1CommandsTest::colorTable_cancelledAfterAPick_isQuiet()
{
    FormDriver driver;
    driver.openTheme(kMidnight);
    driver.pick(1, QColor(1, 2, 3));
    driver.desktop.answerColor(std::nullopt);
    driver.click("okcolor");
    QCOMPARE(driver.desktop.colorRequests.size(), 2);
    QCOMPARE(driver.desktop.messages.size(), 0);
    QVERIFY(driver.form->isVisible());
}

void Form1CommandsTest::exit_withCancel_keepsThemeAndEdits()
{
    FormDriver driver;
    driver.openTheme(kMidnight);
    driver.pick(2, QColor(9, 9, 9));
    const auto before = driver.document().ColorTable;
    driver.desktop.answerMessage(MessageAnswer::Cancel);
    driver.click("okende");

    QCOMPARE(driver.desktop.messages.size(), 1);
    verifyExitQuestion(driver.desktop.messages.first());
    QVERIFY(driver.form->isVisible());
    QCOMPARE(driver.document().ColorTable, before);
    QCOMPARE(driver.grid()->textAt(2, cols::Marker), QStringLiteral("#"));
    QVERIFY(driver.document().ThemeLoaded);
}

void Form1CommandsTest::exit_withOk_closesWithoutWritingAFile()
{
    QTemporaryDir folder;
    const QString theme = folder.filePath("Theme.ask");
    writeFile(theme, fileBytes(kMidnight));
    FormDriver driver;
    driver.openTheme(theme);
    driver.pick(2, QColor(9, 9, 9));
    driver.desktop.answerMessage(MessageAnswer::Ok);
    driver.click("okende");

    QVERIFY(!driver.form->isVisible());
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList {"Theme.ask"});
    QCOMPARE(fileBytes(theme), fileBytes(kMidnight));
    QCOMPARE(driver.desktop.saveRequests.size(), 0);
}

void Form1CommandsTest::exit_beforeAnyTheme_asksTheSameQuestion()
{
    FormDriver driver;
    driver.desktop.answerMessage(MessageAnswer::Cancel);
    driver.click("okende");
    QCOMPARE(driver.desktop.messages.size(), 1);
    verifyExitQuestion(driver.desktop.messages.first());
    QVERIFY(driver.form->isVisible());
}

// Closing through the frame asks only while something is unsaved, and the
// title marks it; Save is offered first, so Enter loses nothing.
void Form1CommandsTest::frameClose_asksOnlyWhileSomethingIsUnsaved()
{
    {
        FormDriver unopened;
        QVERIFY(unopened.form->close());
        QCOMPARE(unopened.desktop.messages.size(), 0);
    }
    QTemporaryDir folder;
    const QString saved = folder.filePath("Mine.ask");
    FormDriver driver;
    const auto title = [&] { return driver.form->windowHandle()->title(); };
    driver.openTheme(kMidnight);
    QCOMPARE(title(), QStringLiteral("Tintwright – Midnight.ask"));
    driver.pick(3, QColor(7, 7, 7));
    QCOMPARE(title(), QStringLiteral("Tintwright – Midnight.ask*"));
    driver.desktop.answerMessage(MessageAnswer::Cancel);
    QVERIFY(!driver.form->close());
    QCOMPARE(driver.desktop.messages.size(), 1);
    const MessageRequest asked = driver.desktop.messages.first();
    QCOMPARE(asked.text, QStringLiteral("The changes to Midnight.ask are not saved. Save them before closing?"));
    QCOMPARE(asked.buttons, MessageButtons::SaveDiscardCancel);
    QVERIFY(driver.form->isVisible());

    driver.saveAs(saved);
    QCOMPARE(title(), QStringLiteral("Tintwright – Mine.ask"));
    driver.pick(4, QColor(8, 8, 8));
    driver.click("okquick");
    QCOMPARE(title(), QStringLiteral("Tintwright – Mine.ask"));
    // Undo after the save is a change again; Save there is Quick Save, and then the window closes.
    driver.form->findChild<QAction*>(QStringLiteral("actionUndo"))->trigger();
    QCOMPARE(title(), QStringLiteral("Tintwright – Mine.ask*"));
    const QByteArray beforeUndoSaved = fileBytes(saved);
    driver.desktop.answerMessage(MessageAnswer::Save);
    QVERIFY(driver.form->close());
    QVERIFY(fileBytes(saved) != beforeUndoSaved);
    QCOMPARE(driver.desktop.messages.size(), 2);
}

void Form1CommandsTest::frameClose_discardClosesWithoutWriting()
{
    QTemporaryDir folder;
    const QString theme = folder.filePath("Theme.ask");
    writeFile(theme, fileBytes(kMidnight));
    FormDriver driver;
    driver.openTheme(theme);
    driver.pick(2, QColor(9, 9, 9));
    driver.desktop.answerMessage(MessageAnswer::Discard);
    QVERIFY(driver.form->close());
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList {"Theme.ask"});
    QCOMPARE(driver.desktop.saveRequests.size(), 0);
}

void Form1CommandsTest::helpButtons_openTheirDocumentsBesideTheProgram_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("opens");
    QTest::newRow("english") << "okhelpenglish"
                             << "readme.pdf" << true;
    QTest::newRow("german") << "okhelpgerman"
                            << "liesmich.pdf" << true;
    QTest::newRow("english missing") << "okhelpenglish"
                                     << "readme.pdf" << false;
    QTest::newRow("german missing") << "okhelpgerman"
                                    << "liesmich.pdf" << false;
}

void Form1CommandsTest::helpButtons_openTheirDocumentsBesideTheProgram()
{
    QFETCH(QString, button);
    QFETCH(QString, document);
    QFETCH(bool, opens);
    FormDriver driver;
    driver.desktop.setDocumentsOpen(opens);
    driver.click(button.toLatin1().constData());
    const QString path = QCoreApplication::applicationDirPath() + "/" + document;
    QCOMPARE(driver.desktop.documents, QStringList {path});
    // A desktop that cannot show the document says so, with the path to open it by hand.
    QCOMPARE(driver.desktop.messages.size(), opens ? 0 : 1);
    if (!opens) {
        QVERIFY(driver.desktop.messages[0].text.startsWith("The help document could not be opened.\n\n" + path));
    }
    QVERIFY(driver.form->isVisible());
}

QTEST_MAIN(Form1CommandsTest)
#include "Form1CommandsTest.moc"
