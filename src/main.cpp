#include "components/QtDesktop.h"
#include "window/Application.h"
#include "window/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (const std::optional<int> answered = tintwright::ui::answerCommandLine(argc, argv)) {
        return *answered;
    }
    if (const std::optional<int> refused = tintwright::ui::refuseUnreachableDisplay(argc, argv)) {
        return *refused;
    }
    QApplication application(argc, argv);
    tintwright::ui::prepareApplication();

    tintwright::ui::QtDesktop desktop;
    tintwright::ui::Form1 window(desktop);
    window.show();
    const QString theme = tintwright::ui::themeArgument(QCoreApplication::arguments());
    if (!theme.isEmpty()) {
        window.openThemeFile(theme);
    }
    return application.exec();
}
