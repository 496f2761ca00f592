#include "Form1.h"
#include "Pictures.h"
#include "QtDesktop.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintwright"));
    QApplication::setApplicationVersion(QStringLiteral(TINTWRIGHT_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(tintwright::ui::programIcon());

    tintwright::ui::QtDesktop desktop;
    tintwright::ui::Form1 window(desktop);
    window.show();
    return application.exec();
}
