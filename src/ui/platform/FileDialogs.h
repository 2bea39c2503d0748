// Save and open dialogs as this program keeps them.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

namespace vornask {

// One of the program's save or open dialogs: its name, the files it lists (`pattern`, shown as
// `description`), the extension it adds and the file name it offers first.
struct FileDialogKind {
    enum Mode { Save, Open } mode;
    QString objectName;
    QString description;
    QString pattern;
    QString defaultSuffix;
    QString initialFileName;
};

// The dialogs of the two kinds of file the program writes, named `objectName`.
FileDialogKind MissionFilesDialog(FileDialogKind::Mode mode, const QString& objectName);
FileDialogKind CampaignFilesDialog(FileDialogKind::Mode mode, const QString& objectName);

// A save or open dialog as this program keeps them: Qt's own dialog, which never asks about
// existing files itself.
void SetUpFileDialog(QFileDialog& dialog, const FileDialogKind& kind);

// A window's own file dialog, made the first time it is needed and kept from then on, so it
// remembers its folder and file name. Qt's file dialog costs more to build than a whole page,
// and most runs open few of them: building them all at start-up doubled the start-up time.
class KeptFileDialog {
public:
    // `setUp` runs once, on the new dialog.
    KeptFileDialog(QWidget* owner, std::function<void(QFileDialog&)> setUp)
        : owner_(owner), setUp_(std::move(setUp)) {}
    KeptFileDialog(QWidget* owner, FileDialogKind kind)
        : KeptFileDialog(owner, [kind](QFileDialog& dialog) { SetUpFileDialog(dialog, kind); }) {}
    QFileDialog& get();
    // The dialog, made the first time in `firstFolder`; later it opens where it was left.
    QFileDialog& get(const QString& firstFolder);
    // The folder the dialog opens in. Its window sets it when it is activated, so the dialog
    // exists whenever its window is shown.
    void setDirectory(const QString& folder);
    // Opens in the folder of `path`, offering its name.
    void setFile(const QString& path);

private:
    QWidget* owner_;
    std::function<void(QFileDialog&)> setUp_;
    QFileDialog* dialog_ = nullptr; // owned by `owner_`
};

// Runs `dialog`; the chosen file's full path in native form, or nothing when the user
// cancelled. The chosen name is offered again the next time.
std::optional<QString> ChooseFile(QFileDialog& dialog);

} // namespace vornask
