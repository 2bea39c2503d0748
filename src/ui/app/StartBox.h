#pragma once

#include "ui/platform/FileDialogs.h"
#include "ui/platform/WindowsRegistrySearch.h"

#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

class QLabel;

namespace vornask {

class AppWindows;

} // namespace vornask

// The start window, the program's main window.
class TStartBox : public QWidget {
    Q_OBJECT
public:
    explicit TStartBox(vornask::AppWindows& windows);

    // The game's installation directory as the registry holds it; empty when not found.
    std::string InstallDir;
    // The Wine prefix it was read from, whose drive letters the dialogs' folder maps through;
    // empty on Windows and when nothing was found.
    std::filesystem::path GamePrefix;

    void GoCampaign();
    void BeginCreating();
    // "Open": a mission file opens in the wizard, a campaign guide file in the campaign
    // editor.
    void OpenFile();
    void GoToHelp();
    void CloseApp();
    // Names `file` under the buttons as the file saved last, until the next button is pressed;
    // nothing when it is empty.
    void ShowSaved(const QString& file);

    // The search for the installation directory, which the window starts when it is first
    // shown or activated and which sets InstallDir and GamePrefix when it ends: whoever needs
    // them first waits for it.
    vornask::InstallDirSearch& GameSearch() { return gameSearch_; }

protected:
    // Quitting while the campaign's source view holds a guide not yet saved asks first.
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void TakeInstallDir(const vornask::InstallDirLookup& lookup);
    // Runs what a button does, after taking away the name of the file saved before.
    void Act(const std::function<void()>& action);

    vornask::AppWindows& windows_;
    vornask::InstallDirSearch gameSearch_;
    QLabel* savedLabel_;
    // Made at the first "Open", in the folder the mission save dialog starts in.
    vornask::KeptFileDialog openDialog1_;
};
