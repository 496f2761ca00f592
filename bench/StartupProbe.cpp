// Starts the program's window as main() does and ends once the window has
// been painted for the first time; given a theme path, it then opens that
// theme through the window's own command and paints the listed grid. Given
// --bare it shows a plain Qt window of the same size instead, the yardstick
// for the program's own start-up work.

#include "components/CellGrid.h"
#include "support/ScriptedDesktop.h"
#include "window/Application.h"
#include "window/Form1.h"
#include "window/GraphicalButton.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Not quit(): that asks the window to close, and it would ask the user first.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--bare") {
        QWidget bare;
        bare.setFixedSize(848, 824);
        FirstPaint firstPaint;
        bare.installEventFilter(&firstPaint);
        bare.show();
        return application.exec();
    }
    tintwright::ui::prepareApplication();

    tintwright::ui::testing::ScriptedDesktop desktop;
    tintwright::ui::Form1 window(desktop);
    // The client area holds everything the window shows; the window itself is covered by it.
    FirstPaint firstPaint;
    window.findChild<QWidget*>(QStringLiteral("clientArea"))->installEventFilter(&firstPaint);
    window.show();
    application.exec();

    if (argc > 1) {
        desktop.answerOpen(QString::fromLocal8Bit(argv[1]));
        window.findChild<tintwright::ui::GraphicalButton*>(QStringLiteral("okopendatei"))->click();
        auto* grid = window.findChild<tintwright::ui::CellGrid*>(QStringLiteral("Tabelle2"));
        grid->viewport()->repaint();
        return grid->rows() > 1 && desktop.messages.isEmpty() ? 0 : 1;
    }
    return 0;
}
