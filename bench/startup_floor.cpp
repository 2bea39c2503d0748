// The floor the program's start-up is held against: the least a Qt Widgets program does to
// show a window, one empty dialog, ended at the same moment as the probe.
#include <QApplication>
#include <QDialog>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
