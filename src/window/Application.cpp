#include "Application.h"

#include "Pictures.h"

#include <QApplication>
#include <QStyleFactory>

namespace tintwright::ui {

void prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Tintwright"));
    QApplication::setApplicationVersion(QStringLiteral(TINTWRIGHT_VERSION));
    // One look on every desktop: the layout is drawn to fixed positions.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(programIcon());
}

} // namespace tintwright::ui
