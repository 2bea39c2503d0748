// The save procedure's user: the window's save dialog and standard message boxes.
#pragma once

#include "core/saving/SaveProcedure.h"

#include <QCoreApplication>
#include <QString>

class QFileDialog;
class QWidget;

namespace vornask {

class DialogSaveUser : public SaveUser {
    Q_DECLARE_TR_FUNCTIONS(DialogSaveUser)

public:
    DialogSaveUser(QWidget* parent, QFileDialog& dialog) : parent_(parent), dialog_(dialog) {}
    std::optional<std::string> AskFileName() override;
    Answer Confirm(const SaveMessage& question, bool withCancel) override;
    void Warn(const SaveMessage& message) override;
    void ReportError(const SaveMessage& message) override;

    // The words of a message of the save procedure, as its box shows them.
    static QString Text(const SaveMessage& message);

private:
    QWidget* parent_;
    QFileDialog& dialog_;
};

} // namespace vornask
