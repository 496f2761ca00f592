#include "cli/Cli.h"
#include "support/FormDriver.h"

#include <QAction>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

using namespace tintwright::ui;
using namespace tintwright::ui::testing;

namespace {

const QString kMidnight = QStringLiteral(TINTWRIGHT_SAMPLES "/Midnight.ask");

// What `tintwright-cli export THEME --live LIVE -o -` writes.
QByteArray exportedByTheCli(const QString& theme, const char* live)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int code = tintwright::cli::runCli({"export", theme.toStdString(), "--live", live, "-o", "-"}, in, out, err);
    return code == 0 ? QByteArray::fromStdString(out.str()) : QByteArray();
}

} // namespace

class Form1ExportTest : public QObject {
    Q_OBJECT

private slots:
    void export_ofAReadTheme_writesWhatTheCliWritesAndAFailureIsOneMessage();
};

void Form1ExportTest::export_ofAReadTheme_writesWhatTheCliWritesAndAFailureIsOneMessage()
{
    FormDriver driver;
    QTemporaryDir folder;
    const std::pair<const char*, const char*> lives[] = {{"actionExportLive12", "12"}, {"actionExportLive11", "11"}};
    for (const auto& [name, live] : lives) {
        auto* action = driver.form->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY(action != nullptr);
        QVERIFY(!action->isEnabled());
    }
    driver.openTheme(kMidnight);
    for (const auto& [name, live] : lives) {
        auto* action = driver.form->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY(action->isEnabled());
        const QString target = folder.filePath(QStringLiteral("Midnight%1.ask").arg(QString::fromLatin1(live)));
        driver.desktop.answerSave(target);
        action->trigger();
        const FileRequest& asked = driver.desktop.saveRequests.last();
        QCOMPARE(QFileInfo(asked.proposedPath).absoluteFilePath(), QFileInfo(kMidnight).absoluteFilePath());
        QVERIFY(asked.confirmOverwrite);
        QVERIFY(asked.title.contains(QStringLiteral("Live %1").arg(QString::fromLatin1(live))));
        const QByteArray expected = exportedByTheCli(kMidnight, live);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(fileBytes(target), expected);
    }
    QCOMPARE(driver.desktop.messages.size(), 0);

    const QString nowhere = folder.filePath(QStringLiteral("no such folder/Midnight.ask"));
    driver.desktop.answerSave(nowhere);
    driver.form->findChild<QAction*>(QStringLiteral("actionExportLive12"))->trigger();
    QCOMPARE(driver.desktop.messages.size(), 1);
    QVERIFY(driver.desktop.messages.first().text.startsWith(QStringLiteral("The theme could not be exported.")));
    QVERIFY(!QFileInfo::exists(nowhere));
}

QTEST_MAIN(Form1ExportTest)
#include "Form1ExportTest.moc"
