// The program's own start-up, ended at the first idle moment after the start window is shown.
#include "ui/app/Startup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return vornask::RunVornaskCreator({vornask::RunUntil::FirstIdle, {}});
}
