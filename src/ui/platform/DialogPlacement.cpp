#include "ui/platform/DialogPlacement.h"

#include <QApplication>
#include <QDialog>

namespace vornask {
namespace {

bool IsShownWindow(const QWidget* widget) {
    return widget->isWindow() && widget->isVisible() && widget->windowType() != Qt::Popup &&
           widget->windowType() != Qt::ToolTip;
}

} // namespace

QWidget* ShownWindow(QWidget* asked) {
    if (asked && asked->window()->isVisible())
        return asked;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (IsShownWindow(window))
            return window;
    return asked;
}

int ExecCentredOver(QDialog& dialog, QWidget* over) {
    QWidget* const owner = dialog.parentWidget();
    QWidget* const shown = ShownWindow(over);
    if (!shown || shown == owner)
        return dialog.exec();
    // A dialog opens centred over its parent; it also stays above it on the desktop.
    const Qt::WindowFlags flags = dialog.windowFlags();
    dialog.setParent(shown, flags);
    const int result = dialog.exec();
    dialog.setParent(owner, flags);
    return result;
}

} // namespace vornask
