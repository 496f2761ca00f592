#include "components/SketchView.h"
#include "sketch/Scene.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

using namespace tintwright;
using namespace tintwright::ui;

// The sketch as the preview uses it: what the pointer names, and the keyboard's
// path through the shapes and their areas.
class SketchViewTest : public QObject {
    Q_OBJECT

private slots:
    void pointer_namesTheElementDrawnThere_data();
    void pointer_namesTheElementDrawnThere();
    void keyboard_walksShapesAndAreasAndPicks();
    void screenReader_meetsEveryShapeNamedWhereItIsDrawn();
};

void SketchViewTest::pointer_namesTheElementDrawnThere_data()
{
    QTest::addColumn<int>("scene");
    for (int i = 0; i < static_cast<int>(sketch::allScenes().size()); ++i) {
        QTest::newRow(sketch::allScenes()[static_cast<std::size_t>(i)]->id.c_str()) << i;
    }
}

// At every size, the middle of each shape that is topmost there names its
// element: what the sketch draws and what it names agree however it is scaled.
void SketchViewTest::pointer_namesTheElementDrawnThere()
{
    QFETCH(int, scene);
    const sketch::Scene& shown = *sketch::allScenes()[static_cast<std::size_t>(scene)];
    SketchView view;
    view.setScene(shown);
    for (const QSize size : {QSize(600, 380), QSize(1200, 760), QSize(1500, 700)}) {
        view.resize(size);
        int checked = 0;
        int topmost = 0;
        for (int i = 0; i < static_cast<int>(shown.shapes.size()); ++i) {
            const sketch::Shape& shape = shown.shapes[static_cast<std::size_t>(i)];
            const double x = shape.x + shape.w / 2;
            const double y = shape.kind == sketch::ShapeKind::Text ? shape.y - shape.h / 2 : shape.y + shape.h / 2;
            if (shape.kind == sketch::ShapeKind::Line || sketch::shapeAt(shown, x, y) != i) {
                continue; // covered by a later shape there, or a line with no middle of its box on it
            }
            const QPoint at = view.toWidget({x, y}).toPoint();
            const std::string named = view.elementAt(at);
            // A pixel of rounding may reach a neighbour at the smallest size: nine in ten must agree.
            checked += named == shape.element ? 1 : 0;
            ++topmost;
        }
        QVERIFY2(
            checked * 10 >= topmost * 9,
            qPrintable(
                QStringLiteral("%1 of %2 at %3x%4").arg(checked).arg(topmost).arg(size.width()).arg(size.height())));
    }
}

// Arrows step shape by shape, Tab jumps to the next area's first shape, Enter
// picks (as a double-click) and Space finds (as a click) the element the keys are on.
void SketchViewTest::keyboard_walksShapesAndAreasAndPicks()
{
    const sketch::Scene& shown = sketch::sessionScene();
    SketchView view;
    view.setScene(shown);
    view.resize(1200, 760);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setFocus(Qt::TabFocusReason);
    QSignalSpy picked(&view, &SketchView::doubleClicked);
    QSignalSpy found(&view, &SketchView::clicked);

    QTest::keyClick(&view, Qt::Key_Home);
    QCOMPARE(view.focusedShape(), 0);
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(view.focusedShape(), 1);
    QTest::keyClick(&view, Qt::Key_Left);
    QCOMPARE(view.focusedShape(), 0);

    const std::string firstArea = shown.shapes[0].area;
    QTest::keyClick(&view, Qt::Key_Tab);
    const int next = view.focusedShape();
    QVERIFY(next > 0);
    QVERIFY(shown.shapes[static_cast<std::size_t>(next)].area != firstArea);
    QCOMPARE(shown.shapes[static_cast<std::size_t>(next - 1)].area, firstArea); // the area's first shape
    QTest::keyClick(&view, Qt::Key_Backtab);
    QCOMPARE(view.focusedShape(), 0);

    QTest::keyClick(&view, Qt::Key_End);
    const QString last = QString::fromStdString(shown.shapes.back().element);
    QTest::keyClick(&view, Qt::Key_Return);
    QTest::keyClick(&view, Qt::Key_Space);
    QCOMPARE(picked.size(), 1);
    QCOMPARE(picked.front().front().toString(), last);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.front().front().toString(), last);
}

// Each shape is a child for a screen reader, named as the pointer's line names
// it and found at the place it is drawn; the pointer names the same shape
// there, and the keyboard's shape is the focused child.
void SketchViewTest::screenReader_meetsEveryShapeNamedWhereItIsDrawn()
{
    const sketch::Scene& shown = sketch::sessionScene();
    SketchView view;
    view.setScene(shown);
    view.setDescriber([](const sketch::Shape& shape) { return QString::fromStdString("Named " + shape.element); });
    view.resize(1100, 500); // wider than the scene: it is drawn scaled, with a margin left and right
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy hovered(&view, &SketchView::hovered);
    QAccessibleInterface* sketch = QAccessible::queryAccessibleInterface(&view);
    QVERIFY(sketch != nullptr);
    QCOMPARE(sketch->childCount(), static_cast<int>(shown.shapes.size()));
    int named = 0;
    int reached = 0;
    int topmost = 0;
    for (int i = 0; i < sketch->childCount(); ++i) {
        const sketch::Shape& shape = shown.shapes[static_cast<std::size_t>(i)];
        QAccessibleInterface* child = sketch->child(i);
        QCOMPARE(child->text(QAccessible::Name), QString::fromStdString("Named " + shape.element));
        QCOMPARE(sketch->indexOfChild(child), i);
        const double x = shape.x + shape.w / 2;
        const double y = shape.kind == sketch::ShapeKind::Text ? shape.y - shape.h / 2 : shape.y + shape.h / 2;
        if (shape.kind == sketch::ShapeKind::Line || sketch::shapeAt(shown, x, y) != i) {
            continue; // another shape is drawn over its middle
        }
        const QPoint at = view.toWidget({x, y}).toPoint();
        QVERIFY(child->rect().contains(view.mapToGlobal(at)));
        QTest::mouseMove(&view, at);
        named += !hovered.isEmpty() && hovered.last().at(0).toInt() == i ? 1 : 0;
        const QPoint global = view.mapToGlobal(at);
        reached += sketch->childAt(global.x(), global.y()) == child ? 1 : 0; // a reader asks what is there
        ++topmost;
    }
    QVERIFY2(named * 10 >= topmost * 9, qPrintable(QStringLiteral("%1 of %2").arg(named).arg(topmost)));
    QVERIFY2(reached * 10 >= topmost * 9, qPrintable(QStringLiteral("%1 of %2").arg(reached).arg(topmost)));
    view.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&view, Qt::Key_End);
    QCOMPARE(sketch->focusChild(), sketch->child(sketch->childCount() - 1));
}

QTEST_MAIN(SketchViewTest)
#include "SketchViewTest.moc"
