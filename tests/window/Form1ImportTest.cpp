#include "cli/Cli.h"
#include "support/FormDriver.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using namespace tintwright::ui;
using namespace tintwright::ui::testing;

namespace {

const QString kLater = QStringLiteral(TINTWRIGHT_TEST_DATA "/Later.ask");

// What `tintwright-cli import THEME -o -` writes.
QByteArray importedByTheCli(const QString& theme)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int code = tintwright::cli::runCli({"import", theme.toStdString(), "-o", "-"}, in, out, err);
    return code == 0 ? QByteArray::fromStdString(out.str()) : QByteArray();
}

} // namespace

class Form1ImportTest : public QObject {
    Q_OBJECT

private slots:
    void import_showsTheThemeAsOpenedAndSavesWhatTheCliWrites();
    void import_ofWhatItCannotKeep_isRefusedAndNothingChanges_data();
    void import_ofWhatItCannotKeep_isRefusedAndNothingChanges();
    void openTheme_ofALaterTheme_offersTheImport_data();
    void openTheme_ofALaterTheme_offersTheImport();
};

void Form1ImportTest::import_showsTheThemeAsOpenedAndSavesWhatTheCliWrites()
{
    FormDriver driver;
    auto* import = driver.form->findChild<QAction*>(QStringLiteral("actionImportTheme"));
    QVERIFY(import != nullptr);
    QVERIFY(import->isEnabled());
    QVERIFY(driver.button("okopendatei")->actions().contains(import)); // where OpenTheme is
    driver.desktop.answerOpen(kLater);
    import->trigger();

    QCOMPARE(driver.desktop.openRequests.size(), 1);
    QCOMPARE(driver.desktop.openRequests.first().title, QStringLiteral("Select a Live 11 or 12 Theme to Import"));
    QCOMPARE(driver.document().EntryCount, 162);
    QCOMPARE(driver.grid()->rows(), 163);
    QCOMPARE(driver.grid()->textAt(1, cols::Item), QStringLiteral("<ControlForeground>"));
    QVERIFY(driver.label("Label2")->text().contains(QStringLiteral("Later.ask")));
    QVERIFY(!driver.button("okopendatei")->isEnabled());
    QVERIFY(!import->isEnabled());

    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("saved.ask"));
    driver.saveAs(target);
    QVERIFY(driver.desktop.saveRequests.first().proposedPath.endsWith(QStringLiteral("/myLater.ask")));
    const QByteArray expected = importedByTheCli(kLater);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(fileBytes(target), expected);
    QCOMPARE(driver.desktop.messages.size(), 0);
}

void Form1ImportTest::import_ofWhatItCannotKeep_isRefusedAndNothingChanges_data()
{
    QTest::addColumn<QByteArray>("theme");
    QTest::addColumn<QString>("why");
    QTest::newRow("a Live 10 theme") << fileBytes(QStringLiteral(TINTWRIGHT_SAMPLES "/Midnight.ask"))
                                     << QStringLiteral("is a theme of Live 10 (its colours are R, G and B lines)");
    QTest::newRow("a later theme of which nothing would be kept")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Ableton MajorVersion=\"5\" "
                      "MinorVersion=\"11.0_432\">\n<Theme>\n<Unknown Value=\"#123456\" />\n</Theme>\n</Ableton>\n")
        << QStringLiteral("nothing of it would be kept");
}

void Form1ImportTest::import_ofWhatItCannotKeep_isRefusedAndNothingChanges()
{
    QFETCH(QByteArray, theme);
    QFETCH(QString, why);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Refused.ask"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(theme) == theme.size());
    out.close();
    FormDriver driver;
    auto* import = driver.form->findChild<QAction*>(QStringLiteral("actionImportTheme"));
    driver.desktop.answerOpen(file);
    import->trigger();
    QCOMPARE(driver.desktop.messages.size(), 1);
    QVERIFY(driver.desktop.messages.first().text.startsWith(QStringLiteral("The theme could not be imported.")));
    QVERIFY2(driver.desktop.messages.first().text.contains(why), qPrintable(driver.desktop.messages.first().text));
    QVERIFY(!driver.document().ThemeLoaded);
    QVERIFY(driver.button("okopendatei")->isEnabled());
    QVERIFY(import->isEnabled());
}

void Form1ImportTest::openTheme_ofALaterTheme_offersTheImport_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<bool>("yes");
    QTest::newRow("Live 11 theme, Yes imports") << kLater << true << true;
    QTest::newRow("Live 11 theme, No leaves it") << kLater << true << false;
    QTest::newRow("no theme at all: no offer") << QStringLiteral(TINTWRIGHT_SAMPLES "/../README.md") << false << false;
}

// The wrong-format message stays; a theme of Live 11 or 12 is then offered for import.
void Form1ImportTest::openTheme_ofALaterTheme_offersTheImport()
{
    QFETCH(QString, file);
    QFETCH(bool, offered);
    QFETCH(bool, yes);
    FormDriver driver;
    if (offered) {
        driver.desktop.answerMessage(yes ? MessageAnswer::Yes : MessageAnswer::No);
    }
    driver.openTheme(file);
    QCOMPARE(driver.desktop.messages.size(), offered ? 2 : 1);
    QCOMPARE(driver.desktop.messages[0].text, QStringLiteral(" Wrong file format, this is not an Live 10 Theme Skin!"));
    if (offered) {
        QCOMPARE(driver.desktop.messages[1].text, QStringLiteral("This is a theme of Live 11 or 12: import it?"));
        QCOMPARE(driver.desktop.messages[1].buttons, MessageButtons::YesNo);
    }
    const bool imported = offered && yes;
    QCOMPARE(driver.document().EntryCount, imported ? 162 : 0);
    QCOMPARE(driver.button("okopendatei")->isEnabled(), !imported);
    // An import is unsaved until it is saved.
    QCOMPARE(driver.form->isWindowModified(), imported);
}

QTEST_MAIN(Form1ImportTest)
#include "Form1ImportTest.moc"
