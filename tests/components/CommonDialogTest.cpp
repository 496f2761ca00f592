#include "components/CommonDialog.h"

#include <QDir>
#include <QTest>

#include <deque>

using namespace tintwright::ui;

namespace {

// Answers the dialogs from a list, and keeps what each was asked.
class ScriptedDesktop final : public Desktop {
public:
    std::deque<std::optional<QString>> files;
    std::deque<std::optional<QColor>> colors;
    std::vector<FileRequest> fileRequests;
    std::vector<QColor> colorsOffered;

    std::optional<QString> chooseFileToOpen(QWidget*, const FileRequest& request) override { return file(request); }
    std::optional<QString> chooseFileToSave(QWidget*, const FileRequest& request) override { return file(request); }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial, const QString&) override
    {
        colorsOffered.push_back(initial);
        const std::optional<QColor> answer = colors.front();
        colors.pop_front();
        return answer;
    }
    MessageAnswer showMessage(QWidget*, const MessageRequest&) override { return MessageAnswer::Ok; }
    bool openDocument(const QString&) override { return true; }
    bool runDialog(QDialog&) override { return false; }

private:
    std::optional<QString> file(const FileRequest& request)
    {
        fileRequests.push_back(request);
        const std::optional<QString> answer = files.front();
        files.pop_front();
        return answer;
    }
};

} // namespace

// The one dialog as the window's commands use it: what it asks, what it keeps.
class CommonDialogTest : public QObject {
    Q_OBJECT

private slots:
    void files_keepTheirNameFolderAndExtension();
    void color_startsFromItsColourOnlyWhenAskedAndCancelsAsSet();
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
    desktop.files = {themes.filePath(QStringLiteral("Mine")), std::nullopt, themes.filePath(QStringLiteral("Two."))};

    QVERIFY(dialog.ShowSave());
    QCOMPARE(dialog.fileName(), themes.filePath(QStringLiteral("Mine.ask")));
    QCOMPARE(dialog.fileTitle(), QStringLiteral("Mine.ask"));
    QCOMPARE(desktop.fileRequests[0].nameFilters,
             QStringList({QStringLiteral("Live themes (*.ask)"), QStringLiteral("All files (*)")}));
    QVERIFY(desktop.fileRequests[0].confirmOverwrite);

    dialog.setFileName(QStringLiteral("myMine.ask"));
    QVERIFY(!dialog.ShowOpen()); // cancelled, CancelError not set
    QCOMPARE(desktop.fileRequests[1].proposedPath, themes.filePath(QStringLiteral("myMine.ask")));
    QVERIFY(!desktop.fileRequests[1].confirmOverwrite);
    QCOMPARE(dialog.fileName(), QStringLiteral("myMine.ask"));

    QVERIFY(dialog.ShowSave()); // a name ending in a dot keeps it: the user wrote no extension on purpose
    QCOMPARE(dialog.fileName(), themes.filePath(QStringLiteral("Two.")));

    // A full path given without a dialog (a theme named on the command line) counts as chosen there.
    const QDir other(themes.filePath(QStringLiteral("Themes")));
    dialog.setFileName(other.filePath(QStringLiteral("Paper.ask")));
    dialog.setFileName(QStringLiteral("myPaper.ask"));
    desktop.files = {std::nullopt};
    QVERIFY(!dialog.ShowSave());
    QCOMPARE(desktop.fileRequests[3].proposedPath, other.filePath(QStringLiteral("myPaper.ask")));
}

void CommonDialogTest::color_startsFromItsColourOnlyWhenAskedAndCancelsAsSet()
{
    ScriptedDesktop desktop;
    CommonDialog dialog(desktop, nullptr);
    dialog.setColor(0x00336699u); // &H00BBGGRR: red 0x99, green 0x66, blue 0x33
    desktop.colors = {QColor(1, 2, 3), QColor(4, 5, 6), std::nullopt, std::nullopt};

    QVERIFY(dialog.ShowColor());
    QCOMPARE(desktop.colorsOffered[0], QColor(0, 0, 0)); // without kRgbInit it starts from black
    dialog.setFlags(CommonDialog::kRgbInit);
    QVERIFY(dialog.ShowColor());
    QCOMPARE(desktop.colorsOffered[1], QColor(1, 2, 3));
    QCOMPARE(dialog.color(), 0x00060504u);

    QVERIFY(!dialog.ShowColor());
    QCOMPARE(dialog.color(), 0x00060504u);
    dialog.setCancelError(true);
    QVERIFY_THROWS_EXCEPTION(DialogCancelled, dialog.ShowColor());
}

QTEST_MAIN(CommonDialogTest)
#include "CommonDialogTest.moc"
