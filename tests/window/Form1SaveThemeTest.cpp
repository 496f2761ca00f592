#include "support/FormDriver.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#ifndef _WIN32 // a full disk and a folder one may not write to, in a child process
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

using namespace tintwright::ui;
using namespace tintwright::ui::testing;

namespace {

const QString kMidnight = QStringLiteral(TINTWRIGHT_SAMPLES "/Midnight.ask");

// The sample's lines as the writer puts them: without indentation, CR LF after each.
QByteArray withoutIndentation(const QByteArray& text)
{
    QByteArray out;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        while (line.startsWith('\t') || line.startsWith(' ')) {
            line.remove(0, 1);
        }
        out += line + "\r\n";
    }
    out.chop(2); // the split after the last line end yields one empty piece
    return out;
}

#ifndef _WIN32
// Runs `save` in a child process after `prepare` (a lower file-size limit,
// another user) and tells how it ended: 0 when the save showed one message
// naming the target, 1 when it showed none, other values for anything else.
int saveInChildProcess(FormDriver& driver, const QString& target, const std::function<void()>& prepare)
{
    const pid_t child = ::fork();
    if (child == 0) {
        // Only this thread lives on in the child: nothing may be painted, as
        // painting may wait for threads of the parent.
        driver.form->setUpdatesEnabled(false);
        prepare();
        driver.saveAs(target);
        const bool told = driver.desktop.messages.size() == 1
            && driver.desktop.messages.first().text.startsWith(
                QStringLiteral("The theme could not be saved.\n\n%1\n\n").arg(target))
            && !driver.button("okquick")->isEnabled();
        ::_exit(told ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}
#endif

} // namespace

class Form1SaveThemeTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void save_unchangedTheme_writesEveryLineAsRead();
    void save_changedEntry_rewritesExactlyItsThreeLines();
    void save_revertedEntry_comesOutInTheWritersSpelling();
    void save_asksWithTitleFilterAndOverwriteQuestion();
    void save_success_enablesQuickSaveAndShowsPath();
    void save_nameWithoutExtension_getsAsk_data();
    void save_nameWithoutExtension_getsAsk();
    void saveThenQuickSave_writeIdenticalFiles();
    void quickSave_writesTheFileLastSavedAs();
    void save_cancelled_writesNothingAndSaysNothing();
    void save_failure_namesFileAndReasonAndKeepsState_data();
    void save_failure_namesFileAndReasonAndKeepsState();
    void quickSave_failure_namesFileAndKeepsTheOldFile();
#ifndef _WIN32
    void save_onFullDisk_saysSoAndKeepsTheOldFile();
    void save_intoReadOnlyFolder_saysSoAndKeepsTheOldFile();
#endif

private:
    std::unique_ptr<FormDriver> m_driver;
    std::unique_ptr<QTemporaryDir> m_folder;
    int m_expectedMessages = 0;
};

void Form1SaveThemeTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_driver = std::make_unique<FormDriver>();
    m_driver->openTheme(kMidnight);
    m_expectedMessages = 0;
    QCOMPARE(m_driver->document().EntryCount, 130);
}

void Form1SaveThemeTest::cleanup()
{
    QCOMPARE(m_driver->desktop.messages.size(), m_expectedMessages);
    m_driver.reset();
    m_folder.reset();
    verifyEverythingWasScripted();
}

void Form1SaveThemeTest::save_unchangedTheme_writesEveryLineAsRead()
{
    const QString target = m_folder->filePath("myMidnight.ask");
    m_driver->saveAs(target);
    QCOMPARE(fileBytes(target), withoutIndentation(fileBytes(kMidnight)));
}

void Form1SaveThemeTest::save_changedEntry_rewritesExactlyItsThreeLines()
{
    FormDriver& driver = *m_driver;
    driver.pick(2, QColor(0, 128, 255));
    const QString target = m_folder->filePath("changed.ask");
    driver.saveAs(target);

    const QList<QByteArray> before = withoutIndentation(fileBytes(kMidnight)).split('\n');
    const QList<QByteArray> after = fileBytes(target).split('\n');
    QCOMPARE(after.size(), before.size());
    const int rSlot = driver.document().ColorTable[2][tintwright::theme::ColorTableColumn::RecordSlot];
    for (int i = 0; i < after.size(); ++i) {
        const int line = i + 1;
        if (line == rSlot) {
            QCOMPARE(after[i], QByteArray("<R Value=\"0\" />\r"));
        } else if (line == rSlot + 1) {
            QCOMPARE(after[i], QByteArray("<G Value=\"128\" />\r"));
        } else if (line == rSlot + 2) {
            QCOMPARE(after[i], QByteArray("<B Value=\"255\" />\r"));
        } else {
            QCOMPARE(after[i], before[i]);
        }
    }
}

void Form1SaveThemeTest::save_revertedEntry_comesOutInTheWritersSpelling()
{
    const QString source = m_folder->filePath("spelled.ask");
    writeFile(source,
              "a\r\nb\r\nc\r\n<ControlForeground>\r\n\t<R Value=\"10\"/>\r\n\t<G Value=\"20\"/>\r\n"
              "\t<B Value=\"30\"   />\r\n</ControlForeground>\r\n");
    FormDriver driver;
    driver.openTheme(source);
    driver.revert(1);
    const QString target = m_folder->filePath("myspelled.ask");
    driver.saveAs(target);
    QCOMPARE(fileBytes(target),
             QByteArray("a\r\nb\r\nc\r\n<ControlForeground>\r\n<R Value=\"10\" />\r\n"
                        "<G Value=\"20\" />\r\n<B Value=\"30\" />\r\n</ControlForeground>\r\n"));
}

void Form1SaveThemeTest::save_asksWithTitleFilterAndOverwriteQuestion()
{
    m_driver->saveAs(m_folder->filePath("x.ask"));
    QCOMPARE(m_driver->desktop.saveRequests.size(), 1);
    const FileRequest& request = m_driver->desktop.saveRequests.first();
    QCOMPARE(request.title, QStringLiteral("Save as new Themes File .ask"));
    QCOMPARE(request.nameFilters, QStringList {QStringLiteral("Files (*.ask)")});
    QVERIFY(request.confirmOverwrite);
    // The folder the theme came from, as the system writes it (on Windows with its drive letter).
    QCOMPARE(request.proposedPath, QFileInfo(QDir(TINTWRIGHT_SAMPLES).filePath("myMidnight.ask")).absoluteFilePath());
}

void Form1SaveThemeTest::save_nameWithoutExtension_getsAsk_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "DraculaOrange"
                                  << "DraculaOrange.ask";
    QTest::newRow("another extension kept") << "Dracula.txt"
                                            << "Dracula.txt";
}

void Form1SaveThemeTest::save_nameWithoutExtension_getsAsk()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    m_driver->saveAs(m_folder->filePath(typed));
    QCOMPARE(m_driver->desktop.saveRequests.first().defaultSuffix, QStringLiteral("ask"));
    QVERIFY(QFileInfo::exists(m_folder->filePath(saved)));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList {saved});
    QCOMPARE(m_driver->label("Label2")->text(), m_folder->filePath(saved));
}

void Form1SaveThemeTest::save_success_enablesQuickSaveAndShowsPath()
{
    const QString target = m_folder->filePath("mine.ask");
    m_driver->saveAs(target);
    QVERIFY(m_driver->button("okquick")->isEnabled());
    QCOMPARE(m_driver->label("Label2")->text(), target);
    QCOMPARE(QFileInfo(m_driver->document().SavedPath), QFileInfo(target));
}

void Form1SaveThemeTest::saveThenQuickSave_writeIdenticalFiles()
{
    FormDriver& driver = *m_driver;
    driver.pick(5, QColor(1, 2, 3));
    driver.revert(6);
    const QString target = m_folder->filePath("mine.ask");
    driver.saveAs(target);
    const QByteArray first = fileBytes(target);
    QVERIFY(first.contains("<R Value=\"1\" />\r\n<G Value=\"2\" />\r\n<B Value=\"3\" />\r\n"));

    QVERIFY(QFile::remove(target));
    driver.click("okquick");
    QCOMPARE(fileBytes(target), first);
    QCOMPARE(driver.desktop.saveRequests.size(), 1);
}

void Form1SaveThemeTest::quickSave_writesTheFileLastSavedAs()
{
    FormDriver& driver = *m_driver;
    const QString a = m_folder->filePath("a.ask");
    const QString b = m_folder->filePath("b.ask");
    driver.saveAs(a);
    driver.saveAs(b);
    const QByteArray savedA = fileBytes(a);
    // Neither a cancelled nor a failed Save As changes the file Quick Save writes.
    driver.pick(1, QColor(9, 8, 7));
    driver.saveAs(std::nullopt);
    driver.saveAs(m_folder->filePath("nowhere/c.ask"));
    m_expectedMessages = 1;

    driver.click("okquick");
    QCOMPARE(fileBytes(a), savedA);
    QVERIFY(fileBytes(b).contains("<R Value=\"9\" />\r\n<G Value=\"8\" />\r\n<B Value=\"7\" />"));
    QCOMPARE(driver.label("Label2")->text(), b);
}

void Form1SaveThemeTest::save_cancelled_writesNothingAndSaysNothing()
{
    FormDriver& driver = *m_driver;
    driver.desktop.answerSave(std::nullopt);
    driver.click("oksave");
    driver.pick(1, QColor(1, 1, 1)); // from now on a cancel is reported as an error
    driver.desktop.answerSave(std::nullopt);
    driver.click("oksave");

    QCOMPARE(driver.desktop.saveRequests.size(), 2);
    QVERIFY(driver.document().DialogPath.empty());
    QVERIFY(driver.document().SavedPath.empty());
    QVERIFY(!driver.button("okquick")->isEnabled());
    QCOMPARE(driver.label("Label2")->text(), kMidnight);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void Form1SaveThemeTest::save_failure_namesFileAndReasonAndKeepsState_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "nowhere/mine.ask"
                                    << "The file cannot be created in its folder: No such file or directory.";
    QTest::newRow("folder in the way") << "folder.ask"
                                       << "A folder of this name is in the way.";
}

void Form1SaveThemeTest::save_failure_namesFileAndReasonAndKeepsState()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QVERIFY(QDir(m_folder->path()).mkdir("folder.ask"));
    const QString path = m_folder->filePath(target);
    m_driver->saveAs(path);
    m_expectedMessages = 1;

    const MessageRequest& message = m_driver->desktop.messages.first();
    QCOMPARE(message.title, QStringLiteral(" Error! "));
    QCOMPARE(message.text, QStringLiteral("The theme could not be saved.\n\n%1\n\n%2").arg(path, reason));
    QVERIFY(!m_driver->button("okquick")->isEnabled());
    QVERIFY(m_driver->document().SavedPath.empty());
    QCOMPARE(m_driver->label("Label2")->text(), kMidnight);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList {"folder.ask"});
}

void Form1SaveThemeTest::quickSave_failure_namesFileAndKeepsTheOldFile()
{
    FormDriver& driver = *m_driver;
    const QString target = m_folder->filePath("mine.ask");
    driver.saveAs(target);
    QVERIFY(QFile::remove(target));
    QVERIFY(QDir(m_folder->path()).mkdir("mine.ask")); // the saved file was replaced by a folder

    driver.click("okquick");
    m_expectedMessages = 1;
    QCOMPARE(driver.desktop.messages.first().text,
             QStringLiteral("The theme could not be saved.\n\n%1\n\nA folder of this name is in the way.").arg(target));
    QVERIFY(QFileInfo(target).isDir());
    QVERIFY(driver.button("okquick")->isEnabled());
}

#ifndef _WIN32
void Form1SaveThemeTest::save_onFullDisk_saysSoAndKeepsTheOldFile()
{
    const QString target = m_folder->filePath("mine.ask");
    writeFile(target, "the only copy\r\n");
    const int ended = saveInChildProcess(*m_driver, target, [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    QCOMPARE(ended, 0);
    QCOMPARE(fileBytes(target), QByteArray("the only copy\r\n"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList {"mine.ask"});
}

void Form1SaveThemeTest::save_intoReadOnlyFolder_saysSoAndKeepsTheOldFile()
{
    const QString target = m_folder->filePath("mine.ask");
    writeFile(target, "the only copy\r\n");
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
    QFile::setPermissions(m_folder->path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const int ended = saveInChildProcess(*m_driver, target, [] {
        // The superuser may write anywhere; the save runs as an ordinary user.
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(50);
        }
    });
    QFile::setPermissions(m_folder->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (ended == 50) {
        QSKIP("this superuser may not become an ordinary user");
    }
    QCOMPARE(ended, 0);
    QCOMPARE(fileBytes(target), QByteArray("the only copy\r\n"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList {"mine.ask"});
}
#endif

QTEST_MAIN(Form1SaveThemeTest)
#include "Form1SaveThemeTest.moc"
