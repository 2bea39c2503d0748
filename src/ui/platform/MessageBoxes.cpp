#include "ui/platform/MessageBoxes.h"

#include <QMessageBox>

namespace vornask {
namespace {

const QString kBoxTitle = QStringLiteral("VORNASK Creator");

} // namespace

void ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kBoxTitle, text, QMessageBox::Ok);
}

void ShowWarning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, kBoxTitle, text, QMessageBox::Ok);
}

void ShowError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, kBoxTitle, text, QMessageBox::Ok);
}

Answer AskQuestion(QWidget* parent, const QString& text, bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    // Every question asks before work is thrown away or a file replaced: Return must not do it.
    switch (QMessageBox::question(parent, kBoxTitle, text, buttons, QMessageBox::No)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return withCancel ? Answer::Cancel : Answer::No;
    }
}

} // namespace vornask
