#include "app/AppWindows.h"
#include "app/StartBox.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("VORNASK Creator"));
    QApplication::setApplicationName(QStringLiteral("vornask-creator"));
    vornask::AppWindows windows;
    windows.StartBox().show();
    return QApplication::exec();
}
