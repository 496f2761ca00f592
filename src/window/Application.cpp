#include "Application.h"

#include "Pictures.h"

#include <QApplication>
#include <QSettings>
#include <QStyleFactory>

namespace tintwright::ui {

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tintwright"));
    QApplication::setApplicationVersion(QStringLiteral(TINTWRIGHT_VERSION));
    // One look on every desktop: the layout is drawn to fixed positions.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(programIcon());
    // The program keeps nothing between runs. Qt's own dialogs would remember
    // custom colours and folders in the user's Qt settings file; they get a
    // place that cannot hold one, so custom colours last for the run only.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

} // namespace tintwright::ui
