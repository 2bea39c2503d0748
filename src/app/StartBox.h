#pragma once

#include <QWidget>
#include <string>

namespace vornask {

class AppWindows;

// The start window, the program's main window.
class TStartBox : public QWidget {
    Q_OBJECT
public:
    explicit TStartBox(AppWindows& windows);

    // The game's installation directory as the registry holds it; empty when not found.
    std::string InstallDir;

    void GoCampaign();
    void BeginCreating();
    void NotYet();
    void GoToHelp();
    void CloseApp();
    void ReadRegistry();

protected:
    bool event(QEvent* event) override;

private:
    AppWindows& windows_;
    bool registryRead_ = false;
};

} // namespace vornask
