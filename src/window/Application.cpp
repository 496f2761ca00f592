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
