#include "ui/platform/MessageBoxes.h"

#include "ui/platform/DialogPlacement.h"
#include "ui/platform/Texts.h"

#include <QMessageBox>

namespace vornask {
namespace {

QString BoxTitle() {
    return Texts::tr("VORNASK Creator");
}

} // namespace

void ShowInformation(QWidget* parent, const QString& text) {
    parent = ShownWindow(parent);
    QMessageBox::information(parent, BoxTitle(), text, QMessageBox::Ok);
}

void ShowWarning(QWidget* parent, const QString& text) {
    parent = ShownWindow(parent);
    QMessageBox::warning(parent, BoxTitle(), text, QMessageBox::Ok);
}

void ShowError(QWidget* parent, const QString& text) {
    parent = ShownWindow(parent);
    QMessageBox::critical(parent, BoxTitle(), text, QMessageBox::Ok);
}

Answer AskQuestion(QWidget* parent, const QString& text, bool withCancel, Answer defaultAnswer) {
    parent = ShownWindow(parent);
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    // Questions ask before work is thrown away or a file replaced: Return must not do that.
    // Only a question whose "Yes" loses nothing may make it the default.
    const auto defaultButton = defaultAnswer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No;
    switch (QMessageBox::question(parent, BoxTitle(), text, buttons, defaultButton)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return withCancel ? Answer::Cancel : Answer::No;
    }
}

} // namespace vornask
