#include "ui/start/Startup.h"

#include "ui/start/AppWindows.h"
#include "ui/start/StartBox.h"

#include <QApplication>
#include <QTimer>

namespace vornask {

int RunVornaskCreator(RunUntil until) {
    // No display name: Qt would append it to every title bar, and titles are the captions.
    QApplication::setApplicationName(QStringLiteral("vornask-creator"));
    AppWindows windows;
    windows.StartBox().show();
    // Queued after what showing the start window posted (reading the registry among it), so
    // the loop ends once the start-up's own work is done.
    if (until == RunUntil::FirstIdle)
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QApplication::exec();
}

} // namespace vornask
