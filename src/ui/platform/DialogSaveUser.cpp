#include "ui/platform/DialogSaveUser.h"

#include "ui/platform/DialogPlacement.h"
#include "ui/platform/MessageBoxes.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vornask {

std::optional<std::string> DialogSaveUser::AskFileName() {
    if (ExecCentredOver(dialog_, parent_) != QDialog::Accepted || dialog_.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog_.selectedFiles().constFirst();
    // Offered again when the dialog reopens: after a refused or failed attempt, and for the
    // next mission.
    dialog_.selectFile(QFileInfo(chosen).fileName());
    return QDir::toNativeSeparators(chosen).toStdString();
}

Answer DialogSaveUser::Confirm(const SaveMessage& question, bool withCancel) {
    return AskQuestion(parent_, Text(question), withCancel);
}

void DialogSaveUser::Warn(const SaveMessage& message) {
    ShowWarning(parent_, Text(message));
}

void DialogSaveUser::ReportError(const SaveMessage& message) {
    ShowError(parent_, Text(message));
}

QString DialogSaveUser::Text(const SaveMessage& message) {
    const QString path = QString::fromStdString(message.path);
    const QString reason = QString::fromStdString(message.reason);
    // Both arguments in one call, so that a "%2" in a path stays as it is.
    switch (message.kind) {
    case SaveMessageKind::SureNotToSave:
        return tr("Sure you don't want to save?");
    case SaveMessageKind::Overwrite:
        return tr("Overwrite %1?").arg(path);
    case SaveMessageKind::ReplaceDifferentCopy:
        return tr("Replace %1? It differs from the file being saved.").arg(path);
    case SaveMessageKind::NoEnglishExtension:
        return tr("You didn't use an .english file extension!");
    case SaveMessageKind::CannotCreateFile:
        return tr("Cannot create file %1: %2").arg(path, reason);
    case SaveMessageKind::ReadOnlyFile:
        return tr("%1 is read-only.").arg(path);
    case SaveMessageKind::FolderRefusesNewFiles:
        return tr("The folder %1 does not allow new files: %2").arg(path, reason);
    case SaveMessageKind::FolderRefusesReplacing:
        return tr("%1 was not saved: its folder does not allow new files (%2). Saving safely "
                  "writes a new file beside it and renames it over the old one, so the folder "
                  "must allow new files.")
            .arg(path, reason);
    case SaveMessageKind::MissionSavedWithoutCopy:
        return tr("The mission was saved, but its German copy could not be written: %1: %2")
            .arg(path, reason);
    case SaveMessageKind::CampaignSavedWithoutCopy:
        return tr("The campaign was saved, but its German copy could not be written: %1: %2")
            .arg(path, reason);
    case SaveMessageKind::MissionSavedCopyKept:
        return tr("The mission was saved; its German copy %1 was left as it was.").arg(path);
    case SaveMessageKind::CampaignSavedCopyKept:
        return tr("The campaign was saved; its German copy %1 was left as it was.").arg(path);
    case SaveMessageKind::MissionSavedCopyReadOnly:
        return tr("The mission was saved, but its German copy %1 was not written: it is "
                  "read-only.")
            .arg(path);
    case SaveMessageKind::CampaignSavedCopyReadOnly:
        return tr("The campaign was saved, but its German copy %1 was not written: it is "
                  "read-only.")
            .arg(path);
    }
    return {};
}

} // namespace vornask
