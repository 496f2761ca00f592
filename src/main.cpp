#include "components/QtDesktop.h"
#include "window/Application.h"
#include "window/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tintwright::ui::prepareApplication();

    tintwright::ui::QtDesktop desktop;
    tintwright::ui::Form1 window(desktop);
    window.show();
    return application.exec();
}
