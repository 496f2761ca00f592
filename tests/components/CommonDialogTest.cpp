#include "components/CommonDialog.h"

#include "support/ScriptedDesktop.h"

#include <QDir>
#include <QTest>

using namespace tintwright::ui;
using tintwright::ui::testing::ScriptedDesktop;

// The one dialog as the window's commands use it: what it asks, what it keeps.
class CommonDialogTest : public QObject {
    Q_OBJECT

private slots:
    // Every dialog a test shows has its answer scripted: a missing one fails the test.
    void cleanup() { testing::verifyEverythingWasScripted(); }
    void files_keepTheirNameFolderAndExtension();
    void color_startsFromItsColourOnlyWhenAskedAndCancelsAsSet();
    void filter_becomesTheDialogsList_data();
    void filter_becomesTheDialogsList();
    void savedName_getsTheDefaultExtensionOnlyWithoutOne_data();
    void savedName_getsTheDefaultExtensionOnlyWithoutOne();
};

// The filter becomes the dialog's list; a saved name without extension gets
// the default one; a later proposal without folder starts in the last folder;
// Cancel keeps the name.
void CommonDialogTest::files_keepTheirNameFolderAndExtension()
{
    ScriptedDesktop desktop;
    CommonDialog dialog(desktop, nullptr);
    dialog.setFilter(QStringLiteral("Live themes (*.ask)|*.ask|All files (*)|*"));
    dialog.setDefaultExt(QStringLiteral("ask"));
    dialog.setFlags(CommonDialog::kOverwritePrompt);
    const QDir themes(QDir::cleanPath(QDir::tempPath())); // an absolute folder on every system
    desktop.answerSave(themes.filePath(QStringLiteral("Mine")));
    desktop.answerOpen(std::nullopt);
    desktop.answerSave(themes.filePath(QStringLiteral("Two.")));

    QVERIFY(dialog.ShowSave());
    QCOMPARE(dialog.fileName(), themes.filePath(QStringLiteral("Mine.ask")));
    QCOMPARE(dialog.fileTitle(), QStringLiteral("Mine.ask"));
    QCOMPARE(desktop.saveRequests[0].nameFilters,
             QStringList({QStringLiteral("Live themes (*.ask)"), QStringLiteral("All files (*)")}));
    QVERIFY(desktop.saveRequests[0].confirmOverwrite);

    dialog.setFileName(QStringLiteral("myMine.ask"));
    QVERIFY(!dialog.ShowOpen()); // cancelled, CancelError not set
    QCOMPARE(desktop.openRequests[0].proposedPath, themes.filePath(QStringLiteral("myMine.ask")));
    QVERIFY(!desktop.openRequests[0].confirmOverwrite);
    QCOMPARE(dialog.fileName(), QStringLiteral("myMine.ask"));

    QVERIFY(dialog.ShowSave()); // a name ending in a dot keeps it: the user wrote no extension on purpose
    QCOMPARE(dialog.fileName(), themes.filePath(QStringLiteral("Two.")));

    // A full path given without a dialog (a theme named on the command line) counts as chosen there.
    const QDir other(themes.filePath(QStringLiteral("Themes")));
    dialog.setFileName(other.filePath(QStringLiteral("Paper.ask")));
    dialog.setFileName(QStringLiteral("myPaper.ask"));
    desktop.answerSave(std::nullopt);
    QVERIFY(!dialog.ShowSave());
    QCOMPARE(desktop.saveRequests[2].proposedPath, other.filePath(QStringLiteral("myPaper.ask")));

    dialog.setCancelError(true); // a cancel that throws keeps the name as well
    desktop.answerOpen(std::nullopt);
    QVERIFY_THROWS_EXCEPTION(DialogCancelled, dialog.ShowOpen());
    QCOMPARE(dialog.fileName(), QStringLiteral("myPaper.ask"));
}

void CommonDialogTest::color_startsFromItsColourOnlyWhenAskedAndCancelsAsSet()
{
    ScriptedDesktop desktop;
    CommonDialog dialog(desktop, nullptr);
    dialog.setColor(0x00336699u); // &H00BBGGRR: red 0x99, green 0x66, blue 0x33
    desktop.answerColor(QColor(1, 2, 3));
    desktop.answerColor(QColor(4, 5, 6));
    desktop.answerColor(std::nullopt);
    desktop.answerColor(std::nullopt);

    QVERIFY(dialog.ShowColor());
    QCOMPARE(desktop.colorRequests[0], QColor(0, 0, 0)); // without kRgbInit it starts from black
    dialog.setFlags(CommonDialog::kRgbInit);
    QVERIFY(dialog.ShowColor());
    QCOMPARE(desktop.colorRequests[1], QColor(1, 2, 3));
    QCOMPARE(dialog.color(), 0x00060504u);

    QVERIFY(!dialog.ShowColor());
    QCOMPARE(dialog.color(), 0x00060504u);
    dialog.setCancelError(true);
    QVERIFY_THROWS_EXCEPTION(DialogCancelled, dialog.ShowColor());
}

void CommonDialogTest::filter_becomesTheDialogsList_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("a description naming its patterns")
        << "Live themes (*.ask)|*.ask" << QStringList {"Live themes (*.ask)"};
    QTest::newRow("a description that does not") << "Live themes|*.ask" << QStringList {"Live themes (*.ask)"};
    QTest::newRow("patterns apart by semicolons") << "Themes|*.ask;*.xml" << QStringList {"Themes (*.ask *.xml)"};
    QTest::newRow("a description without patterns is left out") << "Themes|*.ask|All" << QStringList {"Themes (*.ask)"};
    QTest::newRow("no filter") << "" << QStringList();
}

// The filter's pairs become the dialog's list, each naming the patterns it shows.
void CommonDialogTest::filter_becomesTheDialogsList()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    ScriptedDesktop desktop;
    CommonDialog dialog(desktop, nullptr);
    dialog.setFilter(filter);
    desktop.answerOpen(std::nullopt);
    QVERIFY(!dialog.ShowOpen());
    QCOMPARE(desktop.openRequests[0].nameFilters, shown);
}

void CommonDialogTest::savedName_getsTheDefaultExtensionOnlyWithoutOne_data()
{
    QTest::addColumn<bool>("saving");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("kept");
    QTest::newRow("saved without one") << true << "Mine" << QStringLiteral("Mine.ask");
    QTest::newRow("saved with it") << true << "Mine.ask" << QStringLiteral("Mine.ask");
    QTest::newRow("saved with another") << true << "Mine.txt" << QStringLiteral("Mine.txt");
    QTest::newRow("a dot in the folder is none") << true << "my.themes/Mine" << QStringLiteral("my.themes/Mine.ask");
    QTest::newRow("opened: as it is") << false << "Mine" << QStringLiteral("Mine");
}

// Only a saved name without any extension gets the default one, and only the
// save dialog is asked to add it.
void CommonDialogTest::savedName_getsTheDefaultExtensionOnlyWithoutOne()
{
    QFETCH(bool, saving);
    QFETCH(QString, chosen);
    QFETCH(QString, kept);
    const QDir themes(QDir::cleanPath(QDir::tempPath()));
    ScriptedDesktop desktop;
    CommonDialog dialog(desktop, nullptr);
    dialog.setDefaultExt(QStringLiteral("ask"));
    saving ? desktop.answerSave(themes.filePath(chosen)) : desktop.answerOpen(themes.filePath(chosen));
    QVERIFY(saving ? dialog.ShowSave() : dialog.ShowOpen());
    QCOMPARE(dialog.fileName(), themes.filePath(kept));
    const FileRequest asked = saving ? desktop.saveRequests[0] : desktop.openRequests[0];
    QCOMPARE(asked.defaultSuffix, saving ? QStringLiteral("ask") : QString());
}

QTEST_MAIN(CommonDialogTest)
#include "CommonDialogTest.moc"
