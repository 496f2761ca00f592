#include "Application.h"

#include "Pictures.h"

#include <QApplication>
#include <QSettings>
#include <QStyleFactory>
#include <QSysInfo>

#include <cstdio>
#include <string>

namespace tintwright::ui {

namespace {

constexpr char kUsage[] = "Usage: tintwright [THEME]\n"
                          "Re-colours the theme files (.ask) of Ableton Live 10. With THEME, the window opens\n"
                          "with that theme read, as if it had been chosen with OpenTheme.\n"
                          "\n"
                          "  --help     show this text and exit\n"
                          "  --version  show the version and exit\n"
                          "\n"
                          "For scripts: tintwright-cli --help\n";

} // namespace

std::optional<int> answerCommandLine(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return std::fflush(stdout) == 0 ? 0 : 2;
        }
        if (argument == "--version") {
            std::fputs("tintwright " TINTWRIGHT_VERSION "\n", stdout);
            return std::fflush(stdout) == 0 ? 0 : 2;
        }
    }
    return std::nullopt;
}

QString themeArgument(const QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-'))) {
            return arguments[i];
        }
    }
    return {};
}

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tintwright"));
    QApplication::setApplicationVersion(QStringLiteral(TINTWRIGHT_VERSION));
    // Windows' own look where its style is there (the buttons of the layout
    // paint themselves in their own colours in any style); elsewhere one look
    // on every desktop, as the layout is drawn to fixed positions.
    const QString windowsLook = QStringLiteral("windowsvista");
    const bool onWindows = QSysInfo::productType() == QStringLiteral("windows");
    QApplication::setStyle(QStyleFactory::create(
        onWindows && QStyleFactory::keys().contains(windowsLook, Qt::CaseInsensitive) ? windowsLook
                                                                                      : QStringLiteral("Fusion")));
    QApplication::setWindowIcon(programIcon());
    // The program keeps nothing between runs. Qt's own dialogs would remember
    // custom colours and folders in the user's Qt settings (the registry on
    // Windows); they get a file in a place that cannot hold one, so custom
    // colours last for the run only.
#ifdef Q_OS_WIN
    const QString nowhere = QStringLiteral("NUL");
#else
    const QString nowhere = QStringLiteral("/dev/null");
#endif
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

} // namespace tintwright::ui
