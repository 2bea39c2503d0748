#include "ui/platform/DialogSaveUser.h"

#include "ui/platform/DialogPlacement.h"
#include "ui/platform/MessageBoxes.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vornask {
namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

std::optional<std::string> DialogSaveUser::AskFileName() {
    if (ExecCentredOver(dialog_, parent_) != QDialog::Accepted || dialog_.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog_.selectedFiles().constFirst();
    // Offered again when the dialog reopens: after a refused or failed attempt, and for the
    // next mission.
    dialog_.selectFile(QFileInfo(chosen).fileName());
    return QDir::toNativeSeparators(chosen).toStdString();
}

Answer DialogSaveUser::Confirm(const std::string& question, bool withCancel) {
    return AskQuestion(parent_, FromUtf8(question), withCancel);
}

void DialogSaveUser::Warn(const std::string& message) {
    ShowWarning(parent_, FromUtf8(message));
}

void DialogSaveUser::ReportError(const std::string& message) {
    ShowError(parent_, FromUtf8(message));
}

} // namespace vornask
