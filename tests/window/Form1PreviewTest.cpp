#include "components/SketchView.h"
#include "support/FormDriver.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTabBar>
#include <QTest>

using namespace tintwright::ui;
using namespace tintwright::ui::testing;

namespace {

const QString kMidnight = QStringLiteral(TINTWRIGHT_SAMPLES "/Midnight.ask");

// A point of the sketch where `element` shows, uncovered by other shapes.
QPoint areaOf(const SketchView& sketch, const std::string& element)
{
    for (const tintwright::sketch::Shape& shape : sketch.scene().shapes) {
        for (int i = 1; shape.element == element && i < 20; ++i) {
            for (int j = 1; j < 20; ++j) {
                const QPoint at = sketch.toWidget({shape.x + shape.w * i / 20, shape.y + shape.h * j / 20}).toPoint();
                if (sketch.elementAt(at) == element && sketch.elementAt(at + QPoint(2, 2)) == element
                    && sketch.elementAt(at - QPoint(2, 2)) == element) {
                    return at;
                }
            }
        }
    }
    return {};
}

// The pointer moved onto `at`, as the platform tells a widget that tracks the mouse.
void pointAt(QWidget* widget, const QPoint& at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

} // namespace

class Form1PreviewTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { verifyEverythingWasScripted(); }

    void preview_namesPointsFindsAndFollowsTheGrid();
    void preview_waitsForATheme();
};

void Form1PreviewTest::preview_waitsForATheme()
{
    FormDriver driver;
    QVERIFY(!driver.button("okpreview")->isEnabled());
    QCOMPARE(driver.button("okpreview")->text(), QStringLiteral("Preview"));
    driver.openTheme(kMidnight);
    QVERIFY(driver.button("okpreview")->isEnabled());
    // The ITEM cells say where Live paints their element.
    const QModelIndex desktopItem = driver.grid()->model()->index(6, 0);
    QVERIFY(desktopItem.data(Qt::ToolTipRole).toString().startsWith("The gaps between Live's panels"));
    QCOMPARE(desktopItem.data(Qt::AccessibleDescriptionRole), desktopItem.data(Qt::ToolTipRole));
}

void Form1PreviewTest::preview_namesPointsFindsAndFollowsTheGrid()
{
    FormDriver driver;
    driver.openTheme(kMidnight);
    QApplication::setActiveWindow(driver.form.get());
    QTest::keyClick(driver.form.get(), Qt::Key_F5);
    QTRY_VERIFY(driver.form->findChild<QWidget*>(QStringLiteral("PreviewWindow")));
    auto* preview = driver.form->findChild<QWidget*>(QStringLiteral("PreviewWindow"));
    QTRY_VERIFY(preview->isVisible());
    QCOMPARE(preview->windowTitle(), QStringLiteral("Preview – Midnight.ask"));
    auto* sketch = preview->findChild<SketchView*>(QStringLiteral("sketch"));
    auto* hoverInfo = preview->findChild<QLabel*>(QStringLiteral("hoverInfo"));
    QVERIFY(QTest::qWaitForWindowExposed(preview));

    // Pointing names the entry: <Desktop> is row 7, black in Midnight.
    const QPoint desktopArea = areaOf(*sketch, "Desktop");
    QVERIFY(!desktopArea.isNull());
    pointAt(sketch, desktopArea);
    QCOMPARE(hoverInfo->text(), QStringLiteral("7 <Desktop> R 0 G 0 B 0"));
    QCOMPARE(hoverInfo->accessibleName(), hoverInfo->text());

    // A click makes its row current; a pick there repaints the area.
    QTest::mouseClick(sketch, Qt::LeftButton, Qt::NoModifier, desktopArea);
    QCOMPARE(driver.grid()->currentIndex().row() + 1, 7);
    QCOMPARE(sketch->outlined(), std::string("Desktop"));
    driver.pick(7, QColor(12, 200, 34));
    QCOMPARE(sketch->grab().toImage().pixelColor(desktopArea), QColor(12, 200, 34));

    // The grid's current row outlines its element; the view switch shows the Arrangement.
    QTest::keyClick(driver.grid(), Qt::Key_Up);
    QCOMPARE(sketch->outlined(), std::string("SurfaceArea"));
    preview->findChild<QTabBar*>(QStringLiteral("previewView"))->setCurrentIndex(1);
    QCOMPARE(sketch->scene().name, std::string("Arrangement"));

    driver.desktop.answerMessage(MessageAnswer::Ok);
    QVERIFY(driver.form->close());
    QTRY_VERIFY(!driver.form->findChild<QWidget*>(QStringLiteral("PreviewWindow")));
}

QTEST_MAIN(Form1PreviewTest)
#include "Form1PreviewTest.moc"
