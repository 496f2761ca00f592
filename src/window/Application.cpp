#include "Application.h"

#include "Pictures.h"

#include <QApplication>
#include <QSettings>
#include <QStyleFactory>
#include <QSysInfo>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
#define TINTWRIGHT_X11_DISPLAY_CHECK
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

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

#ifdef TINTWRIGHT_X11_DISPLAY_CHECK

// The value of Qt's own option `name` (-name or --name), or null.
const char* qtOption(int argc, char* argv[], const char* name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        const char* option = argv[i];
        if (option[0] == '-' && option[1] == '-') {
            ++option;
        }
        if (option[0] == '-' && std::strcmp(option + 1, name) == 0) {
            return argv[i + 1];
        }
    }
    return nullptr;
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Whether an X server accepts a connection on `address`.
bool answers(const sockaddr_un& address, socklen_t length)
{
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descriptor < 0) {
        return true; // nothing known: Qt tries for itself
    }
    const bool connected = ::connect(descriptor, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    ::close(descriptor);
    return connected;
}

// Whether the X display `name` can be reached, tried as libxcb tries a
// display of this machine (":N" or "unix:N", screen number optional): its
// socket in the abstract namespace (Linux), then /tmp/.X11-unix/XN. A display
// on another machine counts as reachable: only Qt tries it.
bool displayReachable(const std::string& name)
{
    const std::size_t colon = name.rfind(':');
    if (colon == std::string::npos || (colon != 0 && name.compare(0, colon, "unix") != 0)) {
        return !name.empty();
    }
    const std::string number = name.substr(colon + 1, name.find('.', colon) - colon - 1);
    if (number.empty() || number.size() > 9 || number.find_first_not_of("0123456789") != std::string::npos) {
        return true; // not a form this check knows
    }
    const std::string path = "/tmp/.X11-unix/X" + number;
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
#ifdef Q_OS_LINUX
    std::memcpy(address.sun_path + 1, path.data(), path.size()); // sun_path[0] stays 0: abstract
    if (answers(address, static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size()))) {
        return true;
    }
    address.sun_path[0] = '\0';
#endif
    std::memcpy(address.sun_path, path.data(), path.size());
    address.sun_path[path.size()] = '\0';
    return answers(address, static_cast<socklen_t>(sizeof address));
}

#endif

} // namespace

std::optional<int> refuseUnreachableDisplay([[maybe_unused]] int argc, [[maybe_unused]] char* argv[])
{
#ifdef TINTWRIGHT_X11_DISPLAY_CHECK
    const char* platformOption = qtOption(argc, argv, "platform");
    const std::string platform = platformOption ? platformOption : environment("QT_QPA_PLATFORM");
    const bool x11 =
        platform.empty() ? environment("WAYLAND_DISPLAY").empty() : platform.compare(0, platform.find(':'), "xcb") == 0;
    if (!x11) {
        return std::nullopt;
    }
    const char* displayOption = qtOption(argc, argv, "display");
    const std::string display = displayOption ? displayOption : environment("DISPLAY");
    if (displayReachable(display)) {
        return std::nullopt;
    }
    const std::string what = display.empty()
        ? "Tintwright needs a display and none is set (DISPLAY is empty)"
        : "Tintwright cannot reach the display " + display + " (no X server answers there)";
    std::fprintf(stderr,
                 "%s, so its window cannot open: start it from a desktop session, or run it without one on a "
                 "virtual screen with \"xvfb-run -a tintwright\" (packages xvfb and xauth) or offscreen with "
                 "\"QT_QPA_PLATFORM=offscreen tintwright\" (the window is then invisible).\n",
                 what.c_str());
    return 1;
#else
    return std::nullopt;
#endif
}

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
