// The save procedure's user: the window's save dialog and standard message boxes.
#pragma once

#include "core/saving/SaveProcedure.h"

class QFileDialog;
class QWidget;

namespace vornask {

class DialogSaveUser : public SaveUser {
public:
    DialogSaveUser(QWidget* parent, QFileDialog& dialog) : parent_(parent), dialog_(dialog) {}
    std::optional<std::string> AskFileName() override;
    Answer Confirm(const std::string& question, bool withCancel) override;
    void Warn(const std::string& message) override;
    void ReportError(const std::string& message) override;

private:
    QWidget* parent_;
    QFileDialog& dialog_;
};

} // namespace vornask
