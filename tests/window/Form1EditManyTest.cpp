#include "components/SystemColors.h"
#include "make/Complete.h"
#include "make/Transfer.h"
#include "model/ThemeModel.h"
#include "support/FormDriver.h"
#include "theme/ThemeReader.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace tintwright::ui;
using namespace tintwright::ui::testing;

namespace {

const QString kMidnight = QStringLiteral(TINTWRIGHT_SAMPLES "/Midnight.ask");

using tintwright::model::ThemeModel;
using tintwright::theme::composeColor;

// What the theme model saves (as tintwright-cli does) once `edit` is done on Midnight as read.
QByteArray modelSaves(const std::function<void(ThemeModel&)>& edit)
{
    ThemeModel theme;
    theme.load(*tintwright::theme::readThemeFile(kMidnight.toStdString()));
    edit(theme);
    const std::string bytes = theme.savedBytes();
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

} // namespace

class Form1EditManyTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_driver = std::make_unique<FormDriver>();
        m_driver->openTheme(kMidnight);
    }
    void cleanup()
    {
        m_driver.reset();
        verifyEverythingWasScripted();
    }

    void changeAll_savesWhatReplaceWrites();
    void dialogs_sayWhatIsWrongBesideTheField();
    void undoAndRedo_saveThePicksThatRemain();
    void adjust_savesWhatAdjustWrites();
    void adjust_cancelled_changesNothing();
    void recolour_showsWhileOpenAndSavesWhatGenerateFromWrites();
    void complete_isOneEditKeepingEveryPickAndOldColour();

private:
    QAction* action(const char* name) const { return m_driver->form->findChild<QAction*>(QString::fromLatin1(name)); }
    QByteArray saved()
    {
        const QString path = m_folder->filePath(QStringLiteral("saved.ask"));
        QFile::remove(path);
        m_driver->saveAs(path);
        return fileBytes(path);
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<FormDriver> m_driver;
};

void Form1EditManyTest::changeAll_savesWhatReplaceWrites()
{
    FormDriver& driver = *m_driver;
    // Give rows 3 and 9 one colour, then change every entry of it at once from row 3.
    driver.pick(3, QColor(1, 2, 3));
    driver.pick(9, QColor(1, 2, 3));
    driver.grid()->setCurrentCell(3, cols::NewColor);
    QCOMPARE(action("actionChangeAll")->text(), QStringLiteral("Change every entry of this colour (2)…"));
    driver.desktop.answerColor(QColor(0xab, 0xcd, 0xef));
    action("actionChangeAll")->trigger();
    QCOMPARE(driver.grid()->textAt(3, cols::Marker), QStringLiteral("#"));
    QCOMPARE(driver.grid()->textAt(9, cols::Marker), QString());
    QCOMPARE(saved(), modelSaves([](ThemeModel& theme) {
                 theme.giveColor(3, composeColor(0xab, 0xcd, 0xef));
                 theme.giveColor(9, composeColor(0xab, 0xcd, 0xef));
             }));
}

void Form1EditManyTest::undoAndRedo_saveThePicksThatRemain()
{
    FormDriver& driver = *m_driver;
    const QByteArray untouched = saved();
    driver.pick(4, QColor(10, 20, 30));
    driver.pick(5, QColor(40, 50, 60));
    driver.revert(6);
    QVERIFY(action("actionUndo")->isEnabled());
    action("actionUndo")->trigger(); // the revert
    action("actionUndo")->trigger(); // row 5
    QCOMPARE(driver.grid()->textAt(4, cols::Marker), QStringLiteral("#"));
    QCOMPARE(saved(), modelSaves([](ThemeModel& theme) { theme.giveColor(4, composeColor(10, 20, 30)); }));
    action("actionRedo")->trigger();
    QCOMPARE(saved(), modelSaves([](ThemeModel& theme) {
                 theme.giveColor(4, composeColor(10, 20, 30));
                 theme.giveColor(5, composeColor(40, 50, 60));
             }));
    // Undoing every change after a save leaves the theme as it was read.
    for (int i = 0; i < 2; ++i) {
        action("actionUndo")->trigger();
    }
    QVERIFY(!action("actionUndo")->isEnabled());
    QCOMPARE(saved(), untouched);
}

void Form1EditManyTest::adjust_savesWhatAdjustWrites()
{
    FormDriver& driver = *m_driver;
    QColor shownWhileOpen;
    driver.desktop.answerDialog([&](QDialog& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("hue"))->setValue(40);
        dialog.findChild<QDoubleSpinBox*>(QStringLiteral("chroma"))->setValue(1.5);
        dialog.findChild<QDoubleSpinBox*>(QStringLiteral("lightness"))->setValue(-0.1);
        dialog.findChild<QCheckBox*>(QStringLiteral("invertLightness"))->setChecked(true);
        dialog.findChild<QLineEdit*>(QStringLiteral("only"))->setText(QStringLiteral("Clip* Surface*"));
        shownWhileOpen = toQColor(driver.grid()->backColorAt(6, cols::NewColor)); // <SurfaceArea>
        return true;
    });
    action("actionAdjust")->trigger();
    QCOMPARE(driver.desktop.dialogs, QStringList {"AdjustDialog"});
    QCOMPARE(toQColor(driver.grid()->backColorAt(6, cols::NewColor)), shownWhileOpen);
    QCOMPARE(saved(), modelSaves([](ThemeModel& theme) {
                 theme.adjust({40, 1.5, -0.1, true}, {"Clip*", "Surface*"});
             }));
    action("actionUndo")->trigger();
    QCOMPARE(driver.grid()->backColorAt(6, cols::NewColor), tintwright::theme::kMenuBackground);
}

void Form1EditManyTest::adjust_cancelled_changesNothing()
{
    FormDriver& driver = *m_driver;
    const QByteArray untouched = saved();
    driver.desktop.answerDialog([](QDialog& dialog) {
        dialog.findChild<QSpinBox*>(QStringLiteral("hue"))->setValue(90);
        return false;
    });
    action("actionAdjust")->trigger();
    QCOMPARE(driver.grid()->backColorAt(6, cols::NewColor), tintwright::theme::kMenuBackground);
    QVERIFY(!action("actionUndo")->isEnabled());
    QCOMPARE(saved(), untouched);
}

void Form1EditManyTest::recolour_showsWhileOpenAndSavesWhatGenerateFromWrites()
{
    FormDriver& driver = *m_driver;
    const QByteArray untouched = saved();
    const auto typeColours = [&](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("background"))->setText(QStringLiteral("#f4f1ea"));
        dialog.findChild<QLineEdit*>(QStringLiteral("foreground"))->setText(QStringLiteral("#1d1f21"));
        driver.desktop.answerColor(QColor(0x2f, 0x6f, 0xd6)); // the accent from its colour dialog
        dialog.findChild<QPushButton*>(QStringLiteral("accentButton"))->click();
    };
    QColor shownWhileOpen;
    driver.desktop.answerDialog([&](QDialog& dialog) {
        typeColours(dialog);
        shownWhileOpen = toQColor(driver.grid()->backColorAt(6, cols::NewColor)); // <SurfaceArea>
        return false;
    });
    action("actionRecolour")->trigger();
    QVERIFY(shownWhileOpen != toQColor(tintwright::theme::kMenuBackground));
    QCOMPARE(saved(), untouched); // Cancel puts everything back

    driver.desktop.answerDialog([&](QDialog& dialog) {
        typeColours(dialog);
        return true;
    });
    action("actionRecolour")->trigger();
    QCOMPARE(toQColor(driver.grid()->backColorAt(6, cols::NewColor)), shownWhileOpen);
    QCOMPARE(saved(), modelSaves([](ThemeModel& theme) {
                 tintwright::make::recolourTheme(theme, {{0xf4, 0xf1, 0xea}, {0x1d, 0x1f, 0x21}, {0x2f, 0x6f, 0xd6}});
             }));
    action("actionUndo")->trigger(); // one step takes all of it back
    QVERIFY(!action("actionUndo")->isEnabled());
    QCOMPARE(saved(), untouched);

    // The dialog starts from the theme's own colours, which change nothing.
    driver.desktop.answerDialog([](QDialog&) { return true; });
    action("actionRecolour")->trigger();
    QCOMPARE(saved(), untouched);
}

// A pattern that matches nothing, or a field that holds no whole colour, is
// named beside it, and OK waits.
void Form1EditManyTest::dialogs_sayWhatIsWrongBesideTheField()
{
    FormDriver& driver = *m_driver;
    bool quietForAMatch = false;
    QString saidOfPatterns;
    bool okWaits = false;
    driver.desktop.answerDialog([&](QDialog& dialog) {
        auto* only = dialog.findChild<QLineEdit*>(QStringLiteral("only"));
        auto* problem = dialog.findChild<QLabel*>(QStringLiteral("onlyProblem"));
        only->setText(QStringLiteral("Clip*"));
        quietForAMatch = problem->isHidden();
        only->setText(QStringLiteral("clip* Foo*"));
        saidOfPatterns = problem->isHidden() ? QString() : problem->text();
        okWaits = !dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
        return false;
    });
    action("actionAdjust")->trigger();
    QVERIFY(quietForAMatch);
    QVERIFY2(saidOfPatterns.contains(QStringLiteral("matches clip*, Foo*")), qPrintable(saidOfPatterns));
    QVERIFY(okWaits);

    QString saidOfColours;
    driver.desktop.answerDialog([&](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("background"))->setText(QStringLiteral("#12"));
        saidOfColours = dialog.findChild<QLabel*>(QStringLiteral("recolourProblem"))->text();
        return false;
    });
    action("actionRecolour")->trigger();
    QCOMPARE(saidOfColours,
             QStringLiteral("Background needs a whole colour: # and six hexadecimal digits, as #1e1f22."));

    // White text on mid grey cannot be read: said, and OK waits for another colour.
    driver.desktop.answerDialog([&](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("background"))->setText(QStringLiteral("#808080"));
        dialog.findChild<QLineEdit*>(QStringLiteral("foreground"))->setText(QStringLiteral("#ffffff"));
        saidOfColours = dialog.findChild<QLabel*>(QStringLiteral("recolourProblem"))->text();
        okWaits = !dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
        return false;
    });
    action("actionRecolour")->trigger();
    QCOMPARE(saidOfColours,
             QStringLiteral("Text in the foreground cannot be read on the background (3.94:1, and text "
                            "needs 4.50:1): choose a lighter or darker one."));
    QVERIFY(okWaits);
}

// Midnight lacks 32 elements of Live 10.1: completing it is one edit; the
// entries keep their picks, their "#" and their old colours, and undo takes it back whole.
void Form1EditManyTest::complete_isOneEditKeepingEveryPickAndOldColour()
{
    FormDriver& driver = *m_driver;
    const auto rowOf = [&](const QString& item) {
        for (int row = 1; row < driver.grid()->rows(); ++row) {
            if (driver.grid()->textAt(row, cols::Item) == item) {
                return row;
            }
        }
        return 0;
    };
    driver.pick(4, QColor(10, 20, 30));
    const QString item = driver.grid()->textAt(4, cols::Item);
    const auto oldColor = driver.grid()->backColorAt(4, cols::OldColor);
    const QByteArray picked = saved();
    const int entries = driver.form->document().EntryCount;
    QVERIFY(action("actionComplete")->isEnabled());

    action("actionComplete")->trigger();
    QCOMPARE(int(driver.form->document().EntryCount), entries + 32);
    QCOMPARE(driver.grid()->rows(), entries + 33);
    // It says what it made and where; the made rows' names are blue, the file's own stay grey.
    const MessageRequest told = driver.desktop.messages.last();
    QCOMPARE(told.icon, MessageIcon::Information);
    QVERIFY2(told.text.startsWith(QStringLiteral("32 elements made and 7 blend factors and alphas added")),
             qPrintable(told.text));
    const int firstMade =
        told.text.section(QStringLiteral("the first of them row "), 1).section(QLatin1Char(';'), 0, 0).toInt();
    int blue = 0;
    for (int row = 1; row < driver.grid()->rows(); ++row) {
        const bool made = driver.grid()->foreColorAt(row, cols::Item) != driver.grid()->foreColorAt(1, cols::Item);
        blue += made ? 1 : 0;
        QCOMPARE(driver.grid()
                     ->model()
                     ->index(row - 1, 0)
                     .data(Qt::AccessibleDescriptionRole)
                     .toString()
                     .startsWith(QStringLiteral("Made by Complete the theme")),
                 made);
        QVERIFY(!made || firstMade <= row);
    }
    QCOMPARE(blue, 32);
    QVERIFY(driver.grid()->foreColorAt(firstMade, cols::Item) != driver.grid()->foreColorAt(1, cols::Item));
    QVERIFY(
        action("actionUndo")
            ->text()
            .startsWith(QStringLiteral("Undo the completion (32 elements made, 7 blend factors and alphas added)")));
    const int row = rowOf(item);
    QVERIFY(row > 0);
    QCOMPARE(toQColor(driver.grid()->backColorAt(row, cols::NewColor)), QColor(10, 20, 30));
    QCOMPARE(driver.grid()->backColorAt(row, cols::OldColor), oldColor);
    QCOMPARE(driver.grid()->textAt(row, cols::Marker), QStringLiteral("#"));
    QVERIFY(!action("actionComplete")->isEnabled());
    const QByteArray whole = saved();
    const auto read = tintwright::theme::readThemeText(whole.toStdString());
    const tintwright::make::Lacking lacks = tintwright::make::lacking(read->records);
    QCOMPARE(lacks.elements + lacks.factors, 0);

    action("actionUndo")->trigger();
    QCOMPARE(int(driver.form->document().EntryCount), entries);
    QCOMPARE(driver.grid()->rows(), entries + 1);
    QCOMPARE(driver.grid()->foreColorAt(firstMade, cols::Item), driver.grid()->foreColorAt(1, cols::Item));
    QCOMPARE(action("actionUndo")->text(), QStringLiteral("Undo the colour picked for 4 %1").arg(item));
    QCOMPARE(driver.grid()->textAt(4, cols::Marker), QStringLiteral("#"));
    QCOMPARE(saved(), picked);
    action("actionRedo")->trigger();
    QCOMPARE(saved(), whole);
}

QTEST_MAIN(Form1EditManyTest)
#include "Form1EditManyTest.moc"
