#pragma once

#include "ui/platform/FileDialogs.h"

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
    void ReadRegistry();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The installation directory is read once, when the window first becomes active: coming
    // back to it from a window shown over it (its own error box included) reads nothing.
    void ReadRegistryOnce();
    // Runs what a button does. The file saved last is named under the buttons until the next
    // action, so that the user sees that a save happened and where it went.
    void Act(const std::function<void()>& action);

    vornask::AppWindows& windows_;
    bool registryRead_ = false;
    QLabel* savedLabel_;
    // Made at the first "Open", in the folder the mission save dialog starts in.
    vornask::KeptFileDialog openDialog1_;
};
