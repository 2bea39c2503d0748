#include "ui/platform/FileDialogs.h"
#include "ui/platform/Texts.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vornask {

namespace {

FileDialogKind GameFilesDialog(FileDialogKind::Mode mode, const QString& objectName,
                               const char* description, const QString& pattern) {
    return {mode, objectName, Texts::tr(description), pattern, QStringLiteral("english"), pattern};
}

} // namespace

FileDialogKind MissionFilesDialog(FileDialogKind::Mode mode, const QString& objectName) {
    return GameFilesDialog(mode, objectName,
                           QT_TRANSLATE_NOOP("vornask", "Mission Files (*.english)"),
                           QStringLiteral("*.english"));
}

// The pattern keeps the capital G of the game's own guide files; the description shows it
// as the game's documentation writes it.
FileDialogKind CampaignFilesDialog(FileDialogKind::Mode mode, const QString& objectName) {
    return GameFilesDialog(mode, objectName,
                           QT_TRANSLATE_NOOP("vornask", "Campaign Files (guide*.english)"),
                           QStringLiteral("Guide*.english"));
}

void SetUpFileDialog(QFileDialog& dialog, const FileDialogKind& kind) {
    dialog.setAcceptMode(kind.mode == FileDialogKind::Save ? QFileDialog::AcceptSave
                                                           : QFileDialog::AcceptOpen);
    dialog.setObjectName(kind.objectName);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QString& description = kind.description;
    const QString& pattern = kind.pattern;
    // Qt takes the pattern from the last parentheses. A description that ends in its own
    // pattern is Qt's filter as it stands; any other gets the pattern added and shown without it.
    if (description.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')'))) {
        dialog.setNameFilter(description);
    } else {
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilter(description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    dialog.setDefaultSuffix(kind.defaultSuffix);
    dialog.selectFile(kind.initialFileName);
    // A name typed and Return pressed while the completion list shows closes the dialog but not
    // the list: it stayed drawn over the window below and took every key until a click.
    QObject::connect(&dialog, &QDialog::finished, &dialog, [&dialog] {
        for (QCompleter* completer : dialog.findChildren<QCompleter*>())
            completer->popup()->hide();
    });
}

QFileDialog& KeptFileDialog::get() {
    if (!dialog_) {
        dialog_ = new QFileDialog(owner_);
        setUp_(*dialog_);
    }
    return *dialog_;
}

QFileDialog& KeptFileDialog::get(const QString& firstFolder) {
    if (!dialog_)
        get().setDirectory(firstFolder);
    return *dialog_;
}

void KeptFileDialog::setDirectory(const QString& folder) {
    get().setDirectory(folder);
}

void KeptFileDialog::setFile(const QString& path) {
    const QFileInfo file(path);
    get().setDirectory(file.absolutePath());
    get().selectFile(file.fileName());
}

std::optional<QString> ChooseFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    dialog.selectFile(QFileInfo(chosen).fileName());
    return QDir::toNativeSeparators(chosen);
}

} // namespace vornask
