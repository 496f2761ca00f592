#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tintwright::ui {

// Answers `tintwright --help` and `--version` on standard output before any
// window or display is needed: the exit code then. Nothing when the window is
// to start; other options are Qt's own (-platform, -style, ...).
std::optional<int> answerCommandLine(int argc, char* argv[]);

// Where Qt would show the window on an X11 display (not on Windows or macOS,
// nor with another platform or a Wayland display at hand) and no X server
// answers for it on this machine, says so on standard error in one sentence,
// with how to run without a display: the exit code then. Nothing otherwise,
// also for a display on another machine (host:N), which only Qt tries.
std::optional<int> refuseUnreachableDisplay(int argc, char* argv[]);

// The theme named on the command line (Qt's own options already taken out), or empty.
QString themeArgument(const QStringList& arguments);

// Gives the running application the program's name, version, style and icon.
// Call once a QApplication exists, before the window is created.
void prepareApplication();

} // namespace tintwright::ui
